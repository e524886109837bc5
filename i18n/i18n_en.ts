<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
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
    <name>Trans</name>
    <message>
        <source>TargetLanguage</source>
        <translation>English</translation>
    </message>
</context>
</TS>
