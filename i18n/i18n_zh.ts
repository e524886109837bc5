<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="zh_CN">
<context>
    <name>ClipEditor</name>
    <message>
        <source>保存文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不能导出到这段录音本身或它的剪切版本：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>剪切</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>剪切失败，录音保持不变。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>导出到 %1 失败。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExportFormats</name>
    <message>
        <source>MP3 音频</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WAV 音频</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AAC 音频</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WMA 音频</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FLAC 音频</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AC-3 音频</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FfmpegJob</name>
    <message>
        <source>未找到 %1，无法剪切或导出录音。请安装 ffmpeg 后再试。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法在 %1 中写入：%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法启动 %1：%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>已取消。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 意外退出。%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 退出，返回码 %2。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 没有写出输出文件 %2。%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 已经存在，没有被覆盖。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法写入 %1。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>JobBar</name>
    <message>
        <source>取消</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>停止并保留原样 (Esc)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%p% · 剩余 %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWidget</name>
    <message>
        <source>声卡控制</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PageSeting</name>
    <message>
        <source>设置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>通用设置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>关于我们</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>帮助中心</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PageZq05</name>
    <message>
        <source>功能开关</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>话筒静音</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>播放静音</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>播放均衡器</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>原始</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>流行</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>舞曲</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>爵士</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>摇滚</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>恢复</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>恢复声卡出厂的均衡值</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>均衡风格：空格键应用，F2 重命名</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>风格名称</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>把选中的风格恢复为默认值</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PanelesRight</name>
    <message>
        <source>设备未连接</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设备已连接</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>录音面板</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打开或收起窗口下方的录音面板；在录音面板中按 F6 可到达其控件</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PanelesTitle</name>
    <message>
        <source>设置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最小化</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>关闭</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordWidget</name>
    <message>
        <source>RecordWidget</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正在剪切…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正在导出为 %1…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>剪切或导出进行中，完成或取消后可用</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>录音</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>录音输入：系统默认输入</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>录音输入：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>录音失败：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>录音时长</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>录音 / 停止 (Ctrl+R)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>播放 / 暂停 (Ctrl+P)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>播放/暂停</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存 (Ctrl+S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>波形</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>方向键移动光标，Shift+方向键选择，Delete 剪切所选，空格播放，Ctrl+Z 撤销</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecoveryBar</name>
    <message>
        <source>打开</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>忽略</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>恢复的录音（%1）</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Slider_input</name>
    <message>
        <source>%1，%2 dB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>均衡器频段：方向键调一格，Page Up/Page Down 调五格，松开按键写入声卡</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TakeGuard</name>
    <message>
        <source>正在完成录音</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TakeSpace</name>
    <message>
        <source>%1 中只剩 %2 可用空间，不够录 10 分钟（%3）。请腾出空间后再录音。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 中只剩 %2 可用空间，录音已停止并保存。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TextSwitch</name>
    <message>
        <source>空格键切换开关</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Trans</name>
    <message>
        <source>TargetLanguage</source>
        <translation>简体中文</translation>
    </message>
</context>
<context>
    <name>aboutPage</name>
    <message>
        <source>Velora PC控制面板 Win客户端</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>版本号:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>固件版本号:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>联系我们</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>官方网站：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>邮箱：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>公众号：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>视频频道：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>微博：%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>generalPage</name>
    <message>
        <source>型号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>语言</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>helpPage</name>
    <message>
        <source>常见问题</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Q:设备连接电脑指示灯不亮</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Q:电脑播放音乐无声</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Q:麦克风无声</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Q：手机端直播无声</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>更多常见问题&gt;&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>帮助中心</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>使用手册</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>意见反馈</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
