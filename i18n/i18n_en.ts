<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>ClipEditor</name>
    <message>
        <source>保存文件</source>
        <translation>Save File</translation>
    </message>
    <message>
        <source>不能导出到这段录音本身或它的剪切版本：%1</source>
        <translation>A take cannot be exported onto itself or one of its cut versions: %1</translation>
    </message>
    <message>
        <source>剪切</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>剪切失败，录音保持不变。</source>
        <translation>The span could not be cut out; the recording is unchanged.</translation>
    </message>
    <message>
        <source>导出到 %1 失败。</source>
        <translation>Exporting to %1 failed.</translation>
    </message>
</context>
<context>
    <name>ExportFormats</name>
    <message>
        <source>MP3 音频</source>
        <translation>MP3 audio</translation>
    </message>
    <message>
        <source>WAV 音频</source>
        <translation>WAV audio</translation>
    </message>
    <message>
        <source>AAC 音频</source>
        <translation>AAC audio</translation>
    </message>
    <message>
        <source>WMA 音频</source>
        <translation>WMA audio</translation>
    </message>
    <message>
        <source>FLAC 音频</source>
        <translation>FLAC audio</translation>
    </message>
    <message>
        <source>AC-3 音频</source>
        <translation>AC-3 audio</translation>
    </message>
</context>
<context>
    <name>FfmpegJob</name>
    <message>
        <source>未找到 %1，无法剪切或导出录音。请安装 ffmpeg 后再试。</source>
        <translation>%1 was not found, so recordings cannot be cut or exported. Install ffmpeg and try again.</translation>
    </message>
    <message>
        <source>无法在 %1 中写入：%2</source>
        <translation>Cannot write in %1: %2</translation>
    </message>
    <message>
        <source>无法启动 %1：%2</source>
        <translation>%1 could not be started: %2</translation>
    </message>
    <message>
        <source>已取消。</source>
        <translation>Cancelled.</translation>
    </message>
    <message>
        <source>%1 意外退出。%2</source>
        <translation>%1 stopped unexpectedly. %2</translation>
    </message>
    <message>
        <source>%1 退出，返回码 %2。</source>
        <translation>%1 ended with code %2.</translation>
    </message>
    <message>
        <source>%1 没有写出输出文件 %2。%3</source>
        <translation>%1 wrote no output file %2. %3</translation>
    </message>
    <message>
        <source>%1 已经存在，没有被覆盖。</source>
        <translation>%1 already exists and was not replaced.</translation>
    </message>
    <message>
        <source>无法写入 %1。</source>
        <translation>%1 could not be written.</translation>
    </message>
</context>
<context>
    <name>JobBar</name>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>停止并保留原样 (Esc)</source>
        <translation>Stop and leave everything as it was (Esc)</translation>
    </message>
    <message>
        <source>%p% · 剩余 %1</source>
        <translation>%p% · %1 left</translation>
    </message>
</context>
<context>
    <name>MainWidget</name>
    <message>
        <source>声卡控制</source>
        <translation>Sound card controls</translation>
    </message>
</context>
<context>
    <name>PageSeting</name>
    <message>
        <source>设置</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>通用设置</source>
        <translation>General</translation>
    </message>
    <message>
        <source>关于我们</source>
        <translation>About</translation>
    </message>
    <message>
        <source>帮助中心</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>PageZq05</name>
    <message>
        <source>功能开关</source>
        <translation>Function Switch</translation>
    </message>
    <message>
        <source>话筒静音</source>
        <translation>Mic Mute</translation>
    </message>
    <message>
        <source>播放静音</source>
        <translation>Play Mute</translation>
    </message>
    <message>
        <source>播放均衡器</source>
        <translation>Play EQ</translation>
    </message>
    <message>
        <source>原始</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>流行</source>
        <translation>Pop</translation>
    </message>
    <message>
        <source>舞曲</source>
        <translation>Dance</translation>
    </message>
    <message>
        <source>爵士</source>
        <translation>Jazz</translation>
    </message>
    <message>
        <source>摇滚</source>
        <translation>Rock</translation>
    </message>
    <message>
        <source>恢复</source>
        <translation>Recover</translation>
    </message>
    <message>
        <source>恢复声卡出厂的均衡值</source>
        <translation>Restores the card&apos;s factory equalizer</translation>
    </message>
    <message>
        <source>均衡风格：空格键应用，F2 重命名</source>
        <translation>Equalizer style: Space applies it, F2 renames it</translation>
    </message>
    <message>
        <source>风格名称</source>
        <translation>Style name</translation>
    </message>
    <message>
        <source>把选中的风格恢复为默认值</source>
        <translation>Restores the selected style&apos;s built-in values</translation>
    </message>
</context>
<context>
    <name>PanelesRight</name>
    <message>
        <source>设备未连接</source>
        <translation>No device found</translation>
    </message>
    <message>
        <source>设备已连接</source>
        <translation>Device connected</translation>
    </message>
    <message>
        <source>录音面板</source>
        <translation>Recorder panel</translation>
    </message>
    <message>
        <source>打开或收起窗口下方的录音面板；在录音面板中按 F6 可到达其控件</source>
        <translation>Opens or closes the recorder panel below; F6 then moves the keyboard into it</translation>
    </message>
</context>
<context>
    <name>PanelesTitle</name>
    <message>
        <source>设置</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>最小化</source>
        <translation>Minimize</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>RecordWidget</name>
    <message>
        <source>RecordWidget</source>
        <translation>RecordWidget</translation>
    </message>
    <message>
        <source>保存文件</source>
        <translation>Save File</translation>
    </message>
    <message>
        <source>正在剪切…</source>
        <translation>Cutting…</translation>
    </message>
    <message>
        <source>正在导出为 %1…</source>
        <translation>Exporting to %1…</translation>
    </message>
    <message>
        <source>剪切或导出进行中，完成或取消后可用</source>
        <translation>Unavailable while cutting or exporting; available again once it ends or is cancelled</translation>
    </message>
    <message>
        <source>录音</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>录音输入：系统默认输入</source>
        <translation>Records from: the system&apos;s default input</translation>
    </message>
    <message>
        <source>录音输入：%1</source>
        <translation>Records from: %1</translation>
    </message>
    <message>
        <source>录音失败：%1</source>
        <translation>Recording failed: %1</translation>
    </message>
    <message>
        <source>录音时长</source>
        <translation>Recorded time</translation>
    </message>
    <message>
        <source>录音 / 停止 (Ctrl+R)</source>
        <translation>Record / Stop (Ctrl+R)</translation>
    </message>
    <message>
        <source>播放 / 暂停 (Ctrl+P)</source>
        <translation>Play / Pause (Ctrl+P)</translation>
    </message>
    <message>
        <source>播放/暂停</source>
        <translation>Play/Pause</translation>
    </message>
    <message>
        <source>保存 (Ctrl+S)</source>
        <translation>Save (Ctrl+S)</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>波形</source>
        <translation>Waveform</translation>
    </message>
    <message>
        <source>方向键移动光标，Shift+方向键选择，Delete 剪切所选，空格播放，Ctrl+Z 撤销</source>
        <translation>Arrow keys move the cursor, Shift+arrows select, Delete cuts the selection, Space plays, Ctrl+Z undoes</translation>
    </message>
</context>
<context>
    <name>RecoveryBar</name>
    <message>
        <source>打开</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>忽略</source>
        <translation>Dismiss</translation>
    </message>
    <message>
        <source>恢复的录音（%1）</source>
        <translation>Recovered take of %1</translation>
    </message>
</context>
<context>
    <name>Slider_input</name>
    <message>
        <source>%1，%2 dB</source>
        <translation>%1, %2 dB</translation>
    </message>
    <message>
        <source>均衡器频段：方向键调一格，Page Up/Page Down 调五格，松开按键写入声卡</source>
        <translation>Equalizer band: arrow keys move one step, Page Up/Page Down five; the card is written when the key is let go</translation>
    </message>
</context>
<context>
    <name>TakeGuard</name>
    <message>
        <source>正在完成录音</source>
        <translation>Finishing a recording</translation>
    </message>
</context>
<context>
    <name>TakeSpace</name>
    <message>
        <source>%1 中只剩 %2 可用空间，不够录 10 分钟（%3）。请腾出空间后再录音。</source>
        <translation>Only %2 is free in %1, not enough for 10 minutes of recording (%3). Make room and record again.</translation>
    </message>
    <message>
        <source>%1 中只剩 %2 可用空间，录音已停止并保存。</source>
        <translation>Only %2 is left free in %1: the take was stopped and saved.</translation>
    </message>
</context>
<context>
    <name>TextSwitch</name>
    <message>
        <source>空格键切换开关</source>
        <translation>Space switches it on or off</translation>
    </message>
</context>
<context>
    <name>Trans</name>
    <message>
        <source>TargetLanguage</source>
        <translation>English</translation>
    </message>
</context>
<context>
    <name>aboutPage</name>
    <message>
        <source>Velora PC控制面板 Win客户端</source>
        <translation>Velora PC Control Panel for Windows</translation>
    </message>
    <message>
        <source>版本号:</source>
        <translation>Version Number:</translation>
    </message>
    <message>
        <source>固件版本号:</source>
        <translation>Firmware version number:</translation>
    </message>
    <message>
        <source>联系我们</source>
        <translation>Contact Us</translation>
    </message>
    <message>
        <source>官方网站：</source>
        <translation>Official Website: </translation>
    </message>
    <message>
        <source>邮箱：</source>
        <translation>E-mail Address: </translation>
    </message>
    <message>
        <source>公众号：%1</source>
        <translation> </translation>
    </message>
    <message>
        <source>视频频道：%1</source>
        <translation> </translation>
    </message>
    <message>
        <source>微博：%1</source>
        <translation> </translation>
    </message>
</context>
<context>
    <name>generalPage</name>
    <message>
        <source>型号</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>Language</translation>
    </message>
</context>
<context>
    <name>helpPage</name>
    <message>
        <source>常见问题</source>
        <translation>FAQs</translation>
    </message>
    <message>
        <source>Q:设备连接电脑指示灯不亮</source>
        <translation>Q:The indicator does not light up after the device is connected to the computer?</translation>
    </message>
    <message>
        <source>Q:电脑播放音乐无声</source>
        <translation>Q: There is no sound when playing music on the computer?</translation>
    </message>
    <message>
        <source>Q:麦克风无声</source>
        <translation>Q: The microphone does not sound?</translation>
    </message>
    <message>
        <source>Q：手机端直播无声</source>
        <translation>Q: There is no sound during live broadcast on mobile phone, and mobile phone audio is externally played?</translation>
    </message>
    <message>
        <source>更多常见问题&gt;&gt;</source>
        <translation>More FAQs &gt;&gt;</translation>
    </message>
    <message>
        <source>帮助中心</source>
        <translation>Help Center</translation>
    </message>
    <message>
        <source>使用手册</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>意见反馈</source>
        <translation>Feedback</translation>
    </message>
</context>
</TS>
