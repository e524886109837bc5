<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>FfmpegRunner</name>
    <message>
        <source>未找到 %1，无法剪切或导出录音。请安装 ffmpeg 后再试。</source>
        <translation>%1 was not found, so recordings cannot be cut or exported. Install ffmpeg and try again.</translation>
    </message>
    <message>
        <source>无法启动 %1：%2</source>
        <translation>%1 could not be started: %2</translation>
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
</context>
<context>
    <name>RecordWidget</name>
    <message>
        <source>RecordWidget</source>
        <translation>RecordWidget</translation>
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
        <source>保存文件</source>
        <translation>Save File</translation>
    </message>
    <message>
        <source>不能导出到正在编辑的录音本身：%1</source>
        <translation>The recording being edited cannot be exported onto itself: %1</translation>
    </message>
    <message>
        <source>导出到 %1 失败。</source>
        <translation>Exporting to %1 failed.</translation>
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
