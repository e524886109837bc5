<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
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
</context>
<context>
    <name>Trans</name>
    <message>
        <source>TargetLanguage</source>
        <translation>English</translation>
    </message>
</context>
<context>
    <name>WaveformWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
</context>
</TS>
