<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ovhost::ChartRenderer</name>
    <message>
        <source>Legend</source>
        <translation>图例</translation>
    </message>
</context>
<context>
    <name>ovhost::DocumentView</name>
    <message>
        <source>row %1</source>
        <translation>第 %1 行</translation>
    </message>
    <message>
        <source>Bitmap</source>
        <translation>位图</translation>
    </message>
</context>
<context>
    <name>ovhost::HostWindow</name>
    <message>
        <source>Ornivex dialogs — demo host</source>
        <translation>Ornivex 对话框 — 演示主程序</translation>
    </message>
    <message>
        <source>Messages from the library appear here.</source>
        <translation>库发来的消息显示在这里。</translation>
    </message>
    <message>
        <source>Double-click a glyph to edit its properties.</source>
        <translation>双击图元以编辑其属性。</translation>
    </message>
    <message>
        <source>Curve colour:</source>
        <translation>曲线颜色：</translation>
    </message>
    <message>
        <source>%1 properties…</source>
        <translation>%1 属性…</translation>
    </message>
    <message>
        <source>Import Data…</source>
        <translation>导入数据…</translation>
    </message>
    <message>
        <source>Colour Chooser…</source>
        <translation>颜色选择器…</translation>
    </message>
    <message>
        <source>Set Strings…</source>
        <translation>设置字符串…</translation>
    </message>
    <message>
        <source>Fill from formula…</source>
        <translation>由公式填充…</translation>
    </message>
    <message>
        <source>Surface from formula…</source>
        <translation>由公式生成曲面…</translation>
    </message>
    <message>
        <source>Clipped Path…</source>
        <translation>剪切路径…</translation>
    </message>
    <message>
        <source>Points Along Paths…</source>
        <translation>沿路径放置点…</translation>
    </message>
    <message>
        <source>Trace bitmap region…</source>
        <translation>描摹位图区域…</translation>
    </message>
    <message>
        <source>Magnets…</source>
        <translation>磁铁…</translation>
    </message>
    <message>
        <source>Arrange copies…</source>
        <translation>排列副本…</translation>
    </message>
    <message>
        <source>Animation Time Series…</source>
        <translation>动画时间序列…</translation>
    </message>
    <message>
        <source>Animate position…</source>
        <translation>动画位置…</translation>
    </message>
    <message>
        <source>Generate Animation…</source>
        <translation>生成动画…</translation>
    </message>
    <message>
        <source>System Properties…</source>
        <translation>系统属性…</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Glyph</source>
        <translation>图元(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>工具(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>语言(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Help &amp;Document</source>
        <translation>帮助文档(&amp;D)</translation>
    </message>
    <message>
        <source>%1 returned %2</source>
        <translation>%1 返回 %2</translation>
    </message>
    <message>
        <source>Traced %1 path points from the seed at pixel (%2, %3)</source>
        <translation>从像素 (%2, %3) 处的种子点描摹出 %1 个路径点</translation>
    </message>
    <message>
        <source>Set Strings gave: %1</source>
        <translation>设置字符串结果：%1</translation>
    </message>
    <message>
        <source>%1 gave: %2%3</source>
        <translation>%1 结果：%2%3</translation>
    </message>
    <message>
        <source>Imported %1: %2 columns × %3 rows into %4</source>
        <translation>已导入 %1：%2 列 × %3 行，存入 %4</translation>
    </message>
    <message>
        <source>The language takes effect the next time the program starts.</source>
        <translation>语言将在下次启动程序时生效。</translation>
    </message>
    <message>
        <source>Applied: %1</source>
        <translation>已应用：%1</translation>
    </message>
    <message>
        <source>Animated position: series %1, row %2, flags %3</source>
        <translation>动画位置：序列 %1，第 %2 行，标志 %3</translation>
    </message>
    <message>
        <source>The frames could not be written.</source>
        <translation>无法写入帧。</translation>
    </message>
</context>
</TS>
