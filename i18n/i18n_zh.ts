<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="zh_CN">
<context>
    <name>CardRunner</name>
    <message>
        <source>开</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>关</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>型号：%1
序列号：%2
固件：%3
已连接：%4
麦克风静音：%5
播放静音：%6
频段：%7
风格：%8
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>未知</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>是</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>否</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>velora: 命令未能完成
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChartBar</name>
    <message>
        <source>全部</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>显示整段录音</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>缩小</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>放大</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>播放选区</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+滚轮：在鼠标处缩放</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>光标 %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>选区 %1 – %2，长 %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无选区</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输入选区</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>开始和结束时间，例如 0:01:02.500 – 0:01:05 (%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
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
    <message>
        <source>所选范围是整段录音，剪切后什么也不剩。录音保持不变。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandParser</name>
    <message>
        <source>显示此帮助并退出。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>显示版本并退出。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>显示声卡的型号、序列号、固件版本、静音和五个频段。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>麦克风静音。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>播放静音。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应用均衡器风格：pop、dance、jazz、rock、自定义名称或 0..3。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设置频段，任意子集，值为 0..43：60=N,300=N,1200=N,3600=N,12000=N。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>恢复型号的出厂频段并取消静音。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>列出已连接的声卡。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>多余的参数：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>一次只能给一个命令</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>未知的风格：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应为 on、off 或 toggle：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>频段应为 60、300、1200、3600 或 12000，各一次，值为 0..43：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velora 声卡控制面板。不带选项时打开窗口；带一个命令时，命令交给正在运行的窗口执行，没有窗口时直接作用于声卡。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
退出码：
  0   完成
  2   没有声卡
  3   声卡拒绝或失败（原因输出到 stderr）
  64  选项或值无效
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
--status --json 输出一个对象（字段名固定，不翻译）：
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  style 为选中的风格 0..3，未知时为 null。
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--list-cards --json 输出一个数组，每个声卡一个对象：
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>与 --status、--list-cards 或 --list-presets 一起：以 JSON 输出。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>列出保存的预设（损坏的文件注明原因）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>把预设的五个频段写入声卡。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>导入 Velora 预设文件或 GraphicEQ 均衡器文本，保存为预设。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>与 --import-preset 一起：预设的名称。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>把预设写入文件：--export-preset 名称 文件。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>把声卡当前的频段保存为新预设。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--export-preset 需要预设名称和一个文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--json 只能与 --status、--list-cards 或 --list-presets 一起使用</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--name 只能与 --import-preset 一起使用</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>预设名称不能为空</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--list-presets --json 输出一个数组，每个预设一个对象；损坏的文件 damaged 为 true，reason 说明原因：
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>用法：velora --status [--json] | --mic-mute|--play-mute on|off|toggle | --style 名称 | --eq 60=N,... | --original | --list-cards [--json] | --list-presets [--json] | --preset 名称 | --import-preset 文件 [--name 名称] | --export-preset 名称 文件 | --save-preset 名称；详见 velora --help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EqualizerLines</name>
    <message>
        <source>第 %1 行不是唯一的一行 &quot;GraphicEQ: 频率 增益; ...&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>没有 &quot;GraphicEQ:&quot; 行，不是预设也不是均衡器文本</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Hz 削减了 %2 dB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>超出声卡范围（-10..+10 dB）的频段已被限制：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>，</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不是 &quot;频率 增益&quot; 两个数：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>频率没有按从低到高排列：%1 在 %2 之后</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;GraphicEQ:&quot; 行中没有频率</source>
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
    <name>ExportPlace</name>
    <message>
        <source>%1 已经存在。
要替换它吗？</source>
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
    <name>HeadlessCommand</name>
    <message>
        <source>velora: 没有找到声卡
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>velora: 另一个命令正在使用声卡
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>velora: 已找到声卡，但当前用户无权打开它。请安装 Velora 附带的 udev 规则（60-velora.rules），然后拔下声卡再插上
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>velora: 已找到声卡，但本系统上没有能控制它的库
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InputMenu</name>
    <message>
        <source>录音输入</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>录音格式</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>录音输入和格式</source>
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
    <name>LevelMeter</name>
    <message>
        <source>输入电平 %1 dB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输入电平：无声</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>，已削波</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输入电平</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>红灯：输入达到满幅（削波），请调低音量</source>
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
    <message>
        <source>已找到声卡，但当前用户无权打开它。
请安装 Velora 附带的 udev 规则（60-velora.rules），然后拔下声卡再插上</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>已找到声卡，但本系统上没有能控制它的库</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>已找到声卡，但它没有应答。
请拔下声卡再插上</source>
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
    <name>PresetCommand</name>
    <message>
        <source>[已损坏] %1：%2
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>已导入预设“%1”
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PresetFile</name>
    <message>
        <source>文件太大（超过 %1 KB）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文件是空的</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文件不是文本（二进制数据）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不是有效的 JSON（第 %1 个字节：%2）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不是 Velora 预设文件（缺少 &quot;%1&quot;）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>预设没有名称</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>频段 %1 Hz 缺少或不是 0..43 的整数</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PresetFileDialog</name>
    <message>
        <source>导出预设</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velora 预设 (*.json)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>导入预设</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>预设或均衡器文本 (*.json *.txt);;所有文件 (*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PresetMenu</name>
    <message>
        <source>预设</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打开预设菜单：应用、保存、重命名、删除、导入、导出或存入风格</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>预设列表</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1（已损坏：%2）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>已损坏：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>还没有预设</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应用</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存当前…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>把当前频段保存为新预设</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>新预设的名称：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>重命名…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>新名称：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>删除…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>删除“%1”？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>导入…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>导出…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>存入风格：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>存入风格 %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>存入时风格也用预设的名称</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>预设名称</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>删除</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>确定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取消</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PresetStore</name>
    <message>
        <source>没有名为“%1”的预设</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>预设名称不能为空</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>已有名为“%1”的预设</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法写入 %1：%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法创建文件夹 %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>频段应为五个 0..43 的整数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法删除 %1：%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法读取 %1：%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>风格应为 0..3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordFormat</name>
    <message>
        <source>%1 kHz 单声道</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 kHz 立体声</source>
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
        <source>录音机</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>方向键移动光标，Shift+方向键选择，Alt+Shift+方向键移动选区的另一端，Delete 剪切所选，空格播放，Shift+空格播放选区，Ctrl+滚轮或 Ctrl+加号/减号缩放，Ctrl+0 显示整段录音，Ctrl+Z 撤销</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>录音列表 (Ctrl+O)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>录音列表</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecorderChoices</name>
    <message>
        <source>系统默认输入</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1（声卡）</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecorderSession</name>
    <message>
        <source>剪切或导出进行中，完成或取消后才能改名。</source>
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
    <message>
        <source>%1 的增益（dB）</source>
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
    <name>TakeList</name>
    <message>
        <source>无法重命名 %1：%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请输入录音的名称。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>名称不能含有 \ / : * ? &quot; &lt; &gt; |、句点或控制字符。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1”这样的名称留给新的录音，请换一个名称。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 已经存在，请换一个名称。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1”会被当作 %2 的剪切版本，请换一个名称。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法把 %1 移到回收站，它仍在原处：%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>录音已移到回收站，但这些剪切版本没有，仍在原处：
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TakeListDialog</name>
    <message>
        <source>录音列表</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>录音文件夹：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>名称</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>录制时间</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>时长</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>大小</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打开</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>重命名</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>移到回收站</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>关闭</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>关闭 (Esc)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>录音中</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正在录制这段录音，不能改名或移到回收站。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正在录音，停止后才能打开其他录音。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>剪切或导出进行中，完成或取消后才能打开其他录音。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打开为当前录音 (Enter)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>重命名，剪切版本随之改名 (F2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>连同剪切版本移到回收站 (Delete)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>把“%1”移到回收站吗？</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>它的 %n 个剪切版本也一起移走。</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>这已是当前的录音。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>这是当前的录音，不能移到回收站；先打开另一段录音。</source>
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
    <name>WindowCommand</name>
    <message>
        <source>velora: 没有找到声卡
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>velora: 窗口正显示一个错误提示框，请先关闭它
</source>
        <translation type="unfinished"></translation>
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
<context>
    <name>main</name>
    <message>
        <source>velora: 正在运行的窗口没有回答命令（没有响应或版本不同）
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>velora: 正在运行的窗口不理解这个命令（版本不同）
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>velora: 窗口太忙，命令没有执行
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
