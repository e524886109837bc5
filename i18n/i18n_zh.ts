<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="zh_CN">
<context>
    <name>FfmpegRunner</name>
    <message>
        <source>未找到 %1，无法剪切或导出录音。请安装 ffmpeg 后再试。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法启动 %1：%2</source>
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
</context>
<context>
    <name>RecordWidget</name>
    <message>
        <source>RecordWidget</source>
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
        <source>保存文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不能导出到正在编辑的录音本身：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>导出到 %1 失败。</source>
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
