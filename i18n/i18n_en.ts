<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>CardRunner</name>
    <message>
        <source>开</source>
        <translation>on</translation>
    </message>
    <message>
        <source>关</source>
        <translation>off</translation>
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
        <translation>Model: %1
Serial number: %2
Firmware: %3
Connected: %4
Microphone mute: %5
Playback mute: %6
Bands: %7
Style: %8
</translation>
    </message>
    <message>
        <source>未知</source>
        <translation>unknown</translation>
    </message>
    <message>
        <source>是</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>否</source>
        <translation>no</translation>
    </message>
    <message>
        <source>velora: 命令未能完成
</source>
        <translation>velora: the command could not be carried out in full
</translation>
    </message>
</context>
<context>
    <name>ChartBar</name>
    <message>
        <source>全部</source>
        <translation>Fit</translation>
    </message>
    <message>
        <source>显示整段录音</source>
        <translation>Show the whole take</translation>
    </message>
    <message>
        <source>缩小</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>放大</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>播放选区</source>
        <translation>Play selection</translation>
    </message>
    <message>
        <source>Ctrl+滚轮：在鼠标处缩放</source>
        <translation>Ctrl+wheel: zoom at the mouse</translation>
    </message>
    <message>
        <source>光标 %1</source>
        <translation>Cursor %1</translation>
    </message>
    <message>
        <source>选区 %1 – %2，长 %3</source>
        <translation>Selection %1 – %2, length %3</translation>
    </message>
    <message>
        <source>无选区</source>
        <translation>No selection</translation>
    </message>
    <message>
        <source>输入选区</source>
        <translation>Type the selection</translation>
    </message>
    <message>
        <source>开始和结束时间，例如 0:01:02.500 – 0:01:05 (%1)</source>
        <translation>Start and end, for example 0:01:02.500 – 0:01:05 (%1)</translation>
    </message>
</context>
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
    <message>
        <source>所选范围是整段录音，剪切后什么也不剩。录音保持不变。</source>
        <translation>The selection is the whole take: cutting it would leave nothing. The take is unchanged.</translation>
    </message>
</context>
<context>
    <name>CommandParser</name>
    <message>
        <source>显示此帮助并退出。</source>
        <translation>Shows this help and ends.</translation>
    </message>
    <message>
        <source>显示版本并退出。</source>
        <translation>Shows the version and ends.</translation>
    </message>
    <message>
        <source>显示声卡的型号、序列号、固件版本、静音和五个频段。</source>
        <translation>Shows the card&apos;s model, serial number, firmware version, mutes and five bands.</translation>
    </message>
    <message>
        <source>与 --status 或 --list-cards 一起：以 JSON 输出。</source>
        <translation type="vanished">With --status or --list-cards: prints JSON.</translation>
    </message>
    <message>
        <source>麦克风静音。</source>
        <translation>Microphone mute.</translation>
    </message>
    <message>
        <source>播放静音。</source>
        <translation>Playback mute.</translation>
    </message>
    <message>
        <source>应用均衡器风格：pop、dance、jazz、rock、自定义名称或 0..3。</source>
        <translation>Applies an equalizer style: pop, dance, jazz, rock, a name you gave a style, or 0..3.</translation>
    </message>
    <message>
        <source>设置频段，任意子集，值为 0..43：60=N,300=N,1200=N,3600=N,12000=N。</source>
        <translation>Sets bands, any of them, each 0..43: 60=N,300=N,1200=N,3600=N,12000=N.</translation>
    </message>
    <message>
        <source>恢复型号的出厂频段并取消静音。</source>
        <translation>Restores the model&apos;s factory bands and unmutes.</translation>
    </message>
    <message>
        <source>列出已连接的声卡。</source>
        <translation>Lists the cards plugged in.</translation>
    </message>
    <message>
        <source>多余的参数：%1</source>
        <translation>Unexpected arguments: %1</translation>
    </message>
    <message>
        <source>--json 只能与 --status 或 --list-cards 一起使用</source>
        <translation type="vanished">--json goes only with --status or --list-cards</translation>
    </message>
    <message>
        <source>一次只能给一个命令</source>
        <translation>Give one command at a time</translation>
    </message>
    <message>
        <source>未知的风格：%1</source>
        <translation>Unknown style: %1</translation>
    </message>
    <message>
        <source>应为 on、off 或 toggle：%1</source>
        <translation>Expected on, off or toggle: %1</translation>
    </message>
    <message>
        <source>频段应为 60、300、1200、3600 或 12000，各一次，值为 0..43：%1</source>
        <translation>Bands are 60, 300, 1200, 3600 or 12000, each once, with a value 0..43: %1</translation>
    </message>
    <message>
        <source>Velora 声卡控制面板。不带选项时打开窗口；带一个命令时，命令交给正在运行的窗口执行，没有窗口时直接作用于声卡。</source>
        <translation>Velora sound card control panel. Without options it opens the window; with a command, the running window carries it out, or, with no window, the command works on the card itself.</translation>
    </message>
    <message>
        <source>
退出码：
  0   完成
  2   没有声卡
  3   声卡拒绝或失败（原因输出到 stderr）
  64  选项或值无效
</source>
        <translation>
Exit codes:
  0   done
  2   no card
  3   the card refused or failed (the reason on stderr)
  64  bad option or value
</translation>
    </message>
    <message>
        <source>
--status --json 输出一个对象（字段名固定，不翻译）：
</source>
        <translation>
--status --json prints one object (fixed field names, never translated):
</translation>
    </message>
    <message>
        <source>  style 为选中的风格 0..3，未知时为 null。
</source>
        <translation>  style is the checked style 0..3, or null when not known.
</translation>
    </message>
    <message>
        <source>--list-cards --json 输出一个数组，每个声卡一个对象：
</source>
        <translation>--list-cards --json prints an array, one object per card:
</translation>
    </message>
    <message>
        <source>用法：velora --status [--json] | --mic-mute|--play-mute on|off|toggle | --style 名称 | --eq 60=N,... | --original | --list-cards [--json]；详见 velora --help</source>
        <translation type="vanished">Usage: velora --status [--json] | --mic-mute|--play-mute on|off|toggle | --style name | --eq 60=N,... | --original | --list-cards [--json]; see velora --help</translation>
    </message>
    <message>
        <source>与 --status、--list-cards 或 --list-presets 一起：以 JSON 输出。</source>
        <translation>With --status, --list-cards or --list-presets: prints JSON.</translation>
    </message>
    <message>
        <source>列出保存的预设（损坏的文件注明原因）。</source>
        <translation>Lists the saved presets (damaged files with the reason).</translation>
    </message>
    <message>
        <source>把预设的五个频段写入声卡。</source>
        <translation>Writes a preset&apos;s five bands to the card.</translation>
    </message>
    <message>
        <source>导入 Velora 预设文件或 GraphicEQ 均衡器文本，保存为预设。</source>
        <translation>Imports a Velora preset file or a GraphicEQ equalizer line as a preset.</translation>
    </message>
    <message>
        <source>与 --import-preset 一起：预设的名称。</source>
        <translation>With --import-preset: the preset&apos;s name.</translation>
    </message>
    <message>
        <source>把预设写入文件：--export-preset 名称 文件。</source>
        <translation>Writes a preset to a file: --export-preset name file.</translation>
    </message>
    <message>
        <source>把声卡当前的频段保存为新预设。</source>
        <translation>Saves the card&apos;s current bands as a new preset.</translation>
    </message>
    <message>
        <source>--export-preset 需要预设名称和一个文件</source>
        <translation>--export-preset needs a preset name and one file</translation>
    </message>
    <message>
        <source>--json 只能与 --status、--list-cards 或 --list-presets 一起使用</source>
        <translation>--json goes only with --status, --list-cards or --list-presets</translation>
    </message>
    <message>
        <source>--name 只能与 --import-preset 一起使用</source>
        <translation>--name goes only with --import-preset</translation>
    </message>
    <message>
        <source>预设名称不能为空</source>
        <translation>A preset name cannot be empty</translation>
    </message>
    <message>
        <source>--list-presets --json 输出一个数组，每个预设一个对象；损坏的文件 damaged 为 true，reason 说明原因：
</source>
        <translation>--list-presets --json prints an array, one object per preset; a damaged file has damaged true and the reason in reason:
</translation>
    </message>
    <message>
        <source>用法：velora --status [--json] | --mic-mute|--play-mute on|off|toggle | --style 名称 | --eq 60=N,... | --original | --list-cards [--json] | --list-presets [--json] | --preset 名称 | --import-preset 文件 [--name 名称] | --export-preset 名称 文件 | --save-preset 名称；详见 velora --help</source>
        <translation>Usage: velora --status [--json] | --mic-mute|--play-mute on|off|toggle | --style name | --eq 60=N,... | --original | --list-cards [--json] | --list-presets [--json] | --preset name | --import-preset file [--name name] | --export-preset name file | --save-preset name; see velora --help</translation>
    </message>
</context>
<context>
    <name>EqualizerLines</name>
    <message>
        <source>第 %1 行不是唯一的一行 &quot;GraphicEQ: 频率 增益; ...&quot;</source>
        <translation>Line %1 is not the one line &quot;GraphicEQ: frequency gain; ...&quot;</translation>
    </message>
    <message>
        <source>没有 &quot;GraphicEQ:&quot; 行，不是预设也不是均衡器文本</source>
        <translation>No &quot;GraphicEQ:&quot; line: neither a preset nor an equalizer line</translation>
    </message>
    <message>
        <source>%1 Hz 削减了 %2 dB</source>
        <translation>%1 Hz by %2 dB</translation>
    </message>
    <message>
        <source>超出声卡范围（-10..+10 dB）的频段已被限制：%1</source>
        <translation>Bands beyond the card&apos;s range (-10..+10 dB) were clamped: %1</translation>
    </message>
    <message>
        <source>，</source>
        <translation>, </translation>
    </message>
    <message>
        <source>不是 &quot;频率 增益&quot; 两个数：%1</source>
        <translation>Not two numbers &quot;frequency gain&quot;: %1</translation>
    </message>
    <message>
        <source>频率没有按从低到高排列：%1 在 %2 之后</source>
        <translation>Frequencies do not rise: %1 after %2</translation>
    </message>
    <message>
        <source>&quot;GraphicEQ:&quot; 行中没有频率</source>
        <translation>The &quot;GraphicEQ:&quot; line holds no frequencies</translation>
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
    <name>ExportPlace</name>
    <message>
        <source>%1 已经存在。
要替换它吗？</source>
        <translation>%1 already exists.
Do you want to replace it?</translation>
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
    <name>HeadlessCommand</name>
    <message>
        <source>velora: 没有找到声卡
</source>
        <translation>velora: no card found
</translation>
    </message>
    <message>
        <source>velora: 另一个命令正在使用声卡
</source>
        <translation>velora: another command is using the card
</translation>
    </message>
    <message>
        <source>velora: 已找到声卡，但当前用户无权打开它。请安装 Velora 附带的 udev 规则（60-velora.rules），然后拔下声卡再插上
</source>
        <translation>velora: card found, but this user may not open it. Install Velora&apos;s udev rule (60-velora.rules), then unplug the card and plug it in again
</translation>
    </message>
    <message>
        <source>velora: 已找到声卡，但本系统上没有能控制它的库
</source>
        <translation>velora: card found, but no control library for it is available on this system
</translation>
    </message>
</context>
<context>
    <name>InputMenu</name>
    <message>
        <source>录音输入</source>
        <translation>Recording input</translation>
    </message>
    <message>
        <source>录音格式</source>
        <translation>Recording format</translation>
    </message>
    <message>
        <source>录音输入和格式</source>
        <translation>Recording input and format</translation>
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
    <name>LevelMeter</name>
    <message>
        <source>输入电平 %1 dB</source>
        <translation>Input level %1 dB</translation>
    </message>
    <message>
        <source>输入电平：无声</source>
        <translation>Input level: silent</translation>
    </message>
    <message>
        <source>，已削波</source>
        <translation>, clipped</translation>
    </message>
    <message>
        <source>输入电平</source>
        <translation>Input level</translation>
    </message>
    <message>
        <source>红灯：输入达到满幅（削波），请调低音量</source>
        <translation>Red light: the input reached full scale (clipping); turn it down</translation>
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
    <message>
        <source>已找到声卡，但当前用户无权打开它。
请安装 Velora 附带的 udev 规则（60-velora.rules），然后拔下声卡再插上</source>
        <translation>Card found, but this user may not open it.
Install Velora&apos;s udev rule (60-velora.rules), then unplug the card and plug it in again</translation>
    </message>
    <message>
        <source>已找到声卡，但本系统上没有能控制它的库</source>
        <translation>Card found, but no control library for it is available on this system</translation>
    </message>
    <message>
        <source>已找到声卡，但它没有应答。
请拔下声卡再插上</source>
        <translation>Card found, but it does not answer.
Unplug the card and plug it in again</translation>
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
    <name>PresetCommand</name>
    <message>
        <source>[已损坏] %1：%2
</source>
        <translation>[damaged] %1: %2
</translation>
    </message>
    <message>
        <source>已导入预设“%1”
</source>
        <translation>Imported the preset &quot;%1&quot;
</translation>
    </message>
</context>
<context>
    <name>PresetFile</name>
    <message>
        <source>文件太大（超过 %1 KB）</source>
        <translation>The file is too large (over %1 KB)</translation>
    </message>
    <message>
        <source>文件是空的</source>
        <translation>The file is empty</translation>
    </message>
    <message>
        <source>文件不是文本（二进制数据）</source>
        <translation>The file is not text (binary data)</translation>
    </message>
    <message>
        <source>不是有效的 JSON（第 %1 个字节：%2）</source>
        <translation>Not valid JSON (at byte %1: %2)</translation>
    </message>
    <message>
        <source>不是 Velora 预设文件（缺少 &quot;%1&quot;）</source>
        <translation>Not a Velora preset file (no &quot;%1&quot;)</translation>
    </message>
    <message>
        <source>预设没有名称</source>
        <translation>The preset has no name</translation>
    </message>
    <message>
        <source>频段 %1 Hz 缺少或不是 0..43 的整数</source>
        <translation>The %1 Hz band is missing or not a whole number 0..43</translation>
    </message>
</context>
<context>
    <name>PresetFileDialog</name>
    <message>
        <source>导出预设</source>
        <translation>Export preset</translation>
    </message>
    <message>
        <source>Velora 预设 (*.json)</source>
        <translation>Velora presets (*.json)</translation>
    </message>
    <message>
        <source>导入预设</source>
        <translation>Import preset</translation>
    </message>
    <message>
        <source>预设或均衡器文本 (*.json *.txt);;所有文件 (*)</source>
        <translation>Presets or equalizer lines (*.json *.txt);;All files (*)</translation>
    </message>
</context>
<context>
    <name>PresetMenu</name>
    <message>
        <source>预设</source>
        <translation>Presets</translation>
    </message>
    <message>
        <source>打开预设菜单：应用、保存、重命名、删除、导入、导出或存入风格</source>
        <translation>Opens the presets: apply, save, rename, delete, import, export or store into a style</translation>
    </message>
    <message>
        <source>预设列表</source>
        <translation>Presets</translation>
    </message>
    <message>
        <source>%1（已损坏：%2）</source>
        <translation>%1 (damaged: %2)</translation>
    </message>
    <message>
        <source>已损坏：%1</source>
        <translation>Damaged: %1</translation>
    </message>
    <message>
        <source>还没有预设</source>
        <translation>No presets yet</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>保存当前…</source>
        <translation>Save current…</translation>
    </message>
    <message>
        <source>把当前频段保存为新预设</source>
        <translation>Save the current bands as a new preset</translation>
    </message>
    <message>
        <source>新预设的名称：</source>
        <translation>The new preset&apos;s name:</translation>
    </message>
    <message>
        <source>重命名…</source>
        <translation>Rename…</translation>
    </message>
    <message>
        <source>新名称：</source>
        <translation>New name:</translation>
    </message>
    <message>
        <source>删除…</source>
        <translation>Delete…</translation>
    </message>
    <message>
        <source>删除“%1”？</source>
        <translation>Delete &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>导入…</source>
        <translation>Import…</translation>
    </message>
    <message>
        <source>导出…</source>
        <translation>Export…</translation>
    </message>
    <message>
        <source>存入风格：</source>
        <translation>Store into:</translation>
    </message>
    <message>
        <source>存入风格 %1</source>
        <translation>Store into style %1</translation>
    </message>
    <message>
        <source>存入时风格也用预设的名称</source>
        <translation>Style takes the preset&apos;s name</translation>
    </message>
    <message>
        <source>预设名称</source>
        <translation>Preset name</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>PresetStore</name>
    <message>
        <source>没有名为“%1”的预设</source>
        <translation>No preset is named &quot;%1&quot;</translation>
    </message>
    <message>
        <source>预设名称不能为空</source>
        <translation>A preset name cannot be empty</translation>
    </message>
    <message>
        <source>已有名为“%1”的预设</source>
        <translation>A preset named &quot;%1&quot; exists already</translation>
    </message>
    <message>
        <source>无法写入 %1：%2</source>
        <translation>Cannot write %1: %2</translation>
    </message>
    <message>
        <source>无法创建文件夹 %1</source>
        <translation>Cannot make the folder %1</translation>
    </message>
    <message>
        <source>频段应为五个 0..43 的整数</source>
        <translation>The bands must be five whole numbers 0..43</translation>
    </message>
    <message>
        <source>无法删除 %1：%2</source>
        <translation>Cannot delete %1: %2</translation>
    </message>
    <message>
        <source>无法读取 %1：%2</source>
        <translation>Cannot read %1: %2</translation>
    </message>
    <message>
        <source>风格应为 0..3</source>
        <translation>The style must be 0..3</translation>
    </message>
</context>
<context>
    <name>RecordFormat</name>
    <message>
        <source>%1 kHz 单声道</source>
        <translation>%1 kHz mono</translation>
    </message>
    <message>
        <source>%1 kHz 立体声</source>
        <translation>%1 kHz stereo</translation>
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
        <translation type="vanished">Arrow keys move the cursor, Shift+arrows select, Delete cuts the selection, Space plays, Ctrl+Z undoes</translation>
    </message>
    <message>
        <source>录音机</source>
        <translation>Recorder</translation>
    </message>
    <message>
        <source>方向键移动光标，Shift+方向键选择，Alt+Shift+方向键移动选区的另一端，Delete 剪切所选，空格播放，Shift+空格播放选区，Ctrl+滚轮或 Ctrl+加号/减号缩放，Ctrl+0 显示整段录音，Ctrl+Z 撤销</source>
        <translation>Arrow keys move the cursor, Shift+arrows select, Alt+Shift+arrows move the selection&apos;s other end, Delete cuts the selection, Space plays, Shift+Space plays the selection, Ctrl+wheel or Ctrl+plus/minus zoom, Ctrl+0 shows the whole take, Ctrl+Z undoes</translation>
    </message>
    <message>
        <source>录音列表 (Ctrl+O)</source>
        <translation>Takes (Ctrl+O)</translation>
    </message>
    <message>
        <source>录音列表</source>
        <translation>Takes</translation>
    </message>
</context>
<context>
    <name>RecorderChoices</name>
    <message>
        <source>系统默认输入</source>
        <translation>System default input</translation>
    </message>
    <message>
        <source>%1（声卡）</source>
        <translation>%1 (sound card)</translation>
    </message>
</context>
<context>
    <name>RecorderSession</name>
    <message>
        <source>剪切或导出进行中，完成或取消后才能改名。</source>
        <translation>A cut or an export is running; rename the take once it finishes or is cancelled.</translation>
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
    <message>
        <source>%1 的增益（dB）</source>
        <translation>%1 gain (dB)</translation>
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
    <name>TakeList</name>
    <message>
        <source>无法重命名 %1：%2</source>
        <translation>Could not rename %1: %2</translation>
    </message>
    <message>
        <source>请输入录音的名称。</source>
        <translation>Enter a name for the take.</translation>
    </message>
    <message>
        <source>名称不能含有 \ / : * ? &quot; &lt; &gt; |、句点或控制字符。</source>
        <translation>A name cannot contain \ / : * ? &quot; &lt; &gt; |, a full stop or control characters.</translation>
    </message>
    <message>
        <source>“%1”这样的名称留给新的录音，请换一个名称。</source>
        <translation>Names like “%1” are kept for new takes; choose another name.</translation>
    </message>
    <message>
        <source>%1 已经存在，请换一个名称。</source>
        <translation>%1 already exists; choose another name.</translation>
    </message>
    <message>
        <source>“%1”会被当作 %2 的剪切版本，请换一个名称。</source>
        <translation>“%1” would be taken for a cut version of %2; choose another name.</translation>
    </message>
    <message>
        <source>无法把 %1 移到回收站，它仍在原处：%2</source>
        <translation>Could not move %1 to the trash; it is still where it was: %2</translation>
    </message>
    <message>
        <source>录音已移到回收站，但这些剪切版本没有，仍在原处：
%1</source>
        <translation>The take was moved to the trash, but these cut versions were not and are still where they were:
%1</translation>
    </message>
</context>
<context>
    <name>TakeListDialog</name>
    <message>
        <source>录音列表</source>
        <translation>Takes</translation>
    </message>
    <message>
        <source>录音文件夹：%1</source>
        <translation>Takes folder: %1</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>录制时间</source>
        <translation>Recorded</translation>
    </message>
    <message>
        <source>时长</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>重命名</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>移到回收站</source>
        <translation>Move to Trash</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>关闭 (Esc)</source>
        <translation>Close (Esc)</translation>
    </message>
    <message>
        <source>录音中</source>
        <translation>Recording</translation>
    </message>
    <message>
        <source>正在录制这段录音，不能改名或移到回收站。</source>
        <translation>This take is being recorded; it cannot be renamed or moved to the trash.</translation>
    </message>
    <message>
        <source>这是当前的录音，不能改名或移到回收站；先打开另一段录音。</source>
        <translation type="vanished">This is the current take; it cannot be renamed or moved to the trash. Open another take first.</translation>
    </message>
    <message>
        <source>这已是当前的录音。</source>
        <translation>This is the current take already.</translation>
    </message>
    <message>
        <source>正在录音，停止后才能打开其他录音。</source>
        <translation>A take is being recorded; stop it to open another take.</translation>
    </message>
    <message>
        <source>剪切或导出进行中，完成或取消后才能打开其他录音。</source>
        <translation>A cut or export is running; another take can be opened once it has finished or been cancelled.</translation>
    </message>
    <message>
        <source>打开为当前录音 (Enter)</source>
        <translation>Open as the current take (Enter)</translation>
    </message>
    <message>
        <source>重命名，剪切版本随之改名 (F2)</source>
        <translation>Rename, its cut versions along with it (F2)</translation>
    </message>
    <message>
        <source>连同剪切版本移到回收站 (Delete)</source>
        <translation>Move to the trash with its cut versions (Delete)</translation>
    </message>
    <message>
        <source>把“%1”移到回收站吗？</source>
        <translation>Move “%1” to the trash?</translation>
    </message>
    <message numerus="yes">
        <source>它的 %n 个剪切版本也一起移走。</source>
        <translation>
            <numerusform>Its cut version goes with it.</numerusform>
            <numerusform>Its %n cut versions go with it.</numerusform>
        </translation>
    </message>
    <message>
        <source>这是当前的录音，不能移到回收站；先打开另一段录音。</source>
        <translation>This is the current take and cannot be moved to the trash; open another take first.</translation>
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
    <name>WindowCommand</name>
    <message>
        <source>velora: 没有找到声卡
</source>
        <translation>velora: no card found
</translation>
    </message>
    <message>
        <source>velora: 窗口正显示一个错误提示框，请先关闭它
</source>
        <translation>velora: the window shows an error box; close it first
</translation>
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
<context>
    <name>main</name>
    <message>
        <source>velora: 正在运行的窗口没有回答命令（没有响应或版本不同）
</source>
        <translation>velora: the running window did not answer the command (not responding, or another version)
</translation>
    </message>
    <message>
        <source>velora: 正在运行的窗口不理解这个命令（版本不同）
</source>
        <translation>velora: the running window does not understand this command (another version)
</translation>
    </message>
    <message>
        <source>velora: 窗口太忙，命令没有执行
</source>
        <translation>velora: the window was busy too long; the command was not carried out
</translation>
    </message>
</context>
</TS>
