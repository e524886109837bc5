<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="zh_CN">
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
    <name>Trans</name>
    <message>
        <source>TargetLanguage</source>
        <translation>简体中文</translation>
    </message>
</context>
</TS>
