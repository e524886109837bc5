<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="zh_CN">
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
</context>
<context>
    <name>Trans</name>
    <message>
        <source>TargetLanguage</source>
        <translation>简体中文</translation>
    </message>
</context>
<context>
    <name>WaveformWidget</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
