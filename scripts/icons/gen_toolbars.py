#!/usr/bin/env python3
"""Writes the eleven toolbar description files into resources/icons."""
import os
import sys
from xml.sax.saxutils import quoteattr

OUT = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "resources", "icons")
SEP = None

CUT = (None, "tb/Cut", "Cut", "剪切", "Cut the selected cells", "剪切选中的单元格")
COPY = (None, "tb/Copy", "Copy", "复制", "Copy the selected cells", "复制选中的单元格")
PASTE = (None, "tb/Paste", "Paste", "粘贴", "Paste from the clipboard", "从剪贴板粘贴")


def cmd(n, base):
    return (n,) + base[1:]


TOOLBARS = {
    "tb_DataTable": ("Data table of a chart series and of a time series: grid commands.", [
        (10, "tb/add_col", "Add Column", "添加列", "Add a column to the table", "在表格末尾添加一列"),
        (11, "tb/resize", "Table Size", "表格大小", "Set the number of columns and rows", "设置列数和行数"),
        (12, "tb/clear", "Clear", "清除", "Clear all values", "清除所有数值"),
        SEP,
        (13, "tb/del_col", "Delete Columns", "删除列", "Delete the selected columns", "删除选中的列"),
        (14, "tb/del_row", "Delete Rows", "删除行", "Delete the selected rows", "删除选中的行"),
        SEP,
        cmd(15, CUT), cmd(16, COPY), cmd(17, PASTE),
        SEP,
        (18, "tb/open", "Open", "打开", "Read the values from a text file", "从文本文件读取数值"),
        (19, "tb/save", "Save", "保存", "Save the table as a text file", "将表格保存为文本文件"),
        SEP,
        (20, "tb/formula", "Formula", "公式", "Fill the selected column from a formula", "用公式填充选中的列"),
    ]),
    "tb_DSList": ("List of data series (and of time series): list commands.", [
        (1, "tb/popup", "Menu", "菜单", "More series commands", "更多数据系列命令"),
        SEP,
        (9, "tb/new_series", "New Series", "新建系列", "Add a new data series", "添加新的数据系列"),
        (8, "tb/import", "Import", "导入", "Import series from text files", "从文本文件导入数据系列"),
        (7, "tb/rename", "Rename", "重命名", "Rename the selected series", "重命名选中的数据系列"),
        (2, "tb/delete", "Delete", "删除", "Delete the selected series", "删除选中的数据系列"),
        SEP,
        (4, "tb/move_top", "Move to Top", "移至顶部", "Move the selected series to the top", "将选中的系列移到最前"),
        (3, "tb/move_up", "Move Up", "上移", "Move the selected series up", "将选中的系列上移"),
        (5, "tb/move_down", "Move Down", "下移", "Move the selected series down", "将选中的系列下移"),
        (6, "tb/move_bottom", "Move to Bottom", "移至底部", "Move the selected series to the bottom",
         "将选中的系列移到最后"),
    ]),
    "tb_3DS_data": ("Value grid of a 3-D surface.", [
        (2, "tb/add_col", "Add Y", "添加Y", "Add a Y position (a column)", "添加一个Y位置（一列）"),
        (3, "tb/add_row", "Add X", "添加X", "Add an X position (a row)", "添加一个X位置（一行）"),
        (4, "tb/resize", "Grid Size", "网格大小", "Set the number of X and Y positions", "设置X和Y位置的数目"),
        (5, "tb/clear", "Clear", "清除", "Clear all values", "清除所有数值"),
        SEP,
        (6, "tb/del_col", "Delete Columns", "删除列", "Delete the selected columns", "删除选中的列"),
        (7, "tb/del_row", "Delete Rows", "删除行", "Delete the selected rows", "删除选中的行"),
        SEP,
        cmd(8, CUT), cmd(9, COPY), cmd(10, PASTE),
        SEP,
        (11, "tb/open", "Open", "打开", "Read the grid from a text file", "从文本文件读取网格"),
        (12, "tb/save", "Save", "保存", "Save the grid as a text file", "将网格保存为文本文件"),
        SEP,
        (13, "tb/rev_cols", "Reverse Y", "反转Y", "Reverse the order of the Y positions", "反转Y位置的顺序"),
        (14, "tb/rev_rows", "Reverse X", "反转X", "Reverse the order of the X positions", "反转X位置的顺序"),
        (15, "tb/transpose", "Transpose", "转置", "Swap X and Y", "交换X和Y"),
        SEP,
        (16, "tb/formula", "Formula", "公式", "Fill the values from a formula", "用公式计算数值"),
        (17, "tb/refresh", "Update", "更新", "Apply the grid and redraw the surface", "应用网格并重绘曲面"),
    ]),
    "tb_3DS_style": ("Projection of the 3-D view; the current one is shown pressed.", [
        (2001, "tb/view_persp", "Perspective", "透视", "Perspective view", "透视图"),
        (2002, "tb/view_top", "Top", "俯视", "Top view, looking down the Z axis", "俯视图（沿Z轴向下看）"),
        (2003, "tb/view_front", "Front", "正视", "Front view, looking along the Y axis", "正视图（沿Y轴看）"),
        (2004, "tb/view_side", "Side", "侧视", "Side view, looking along the X axis", "侧视图（沿X轴看）"),
    ]),
    "tb_3DS_view": ("How a 3-D surface is built and drawn; the current one is shown pressed.", [
        (1, "tb/3d_bars", "Bars", "柱体", "Bars on the floor, colored by value", "立于底面的柱体，按数值着色"),
        (2, "tb/3d_bars_edge", "Bar Edges", "柱体边线", "Bars on the floor, edges colored by value",
         "立于底面的柱体，边线按数值着色"),
        (3, "tb/3d_bars_zero", "Bars from Zero", "零位柱体", "Bars standing on z = 0, colored by value",
         "立于z=0的柱体，按数值着色"),
        (4, "tb/3d_bars_zero_edge", "Bar Edges from Zero", "零位柱体边线",
         "Bars standing on z = 0, edges colored by value", "立于z=0的柱体，边线按数值着色"),
        (5, "tb/3d_surface", "Surface", "曲面", "Filled surface, colored by value", "填充曲面，按数值着色"),
        (6, "tb/3d_lines_x", "Lines along X", "X向线", "Lines along the X direction", "沿X方向的线"),
        (7, "tb/3d_lines_y", "Lines along Y", "Y向线", "Lines along the Y direction", "沿Y方向的线"),
        (8, "tb/3d_mesh", "Mesh", "网格", "Mesh lines colored by value over a plain surface",
         "单色曲面上按数值着色的网格线"),
        (9, "tb/3d_contour_fill", "Filled Contours", "填充等值线", "Color bands between contour levels",
         "等值线之间的色带"),
        (10, "tb/3d_contour", "Contour Lines", "等值线", "Contour lines colored by level", "按等级着色的等值线"),
    ]),
    "tb_ChartStyle": ("Chart type of the selected series; the current one is shown pressed.", [
        (1, "tb/chart_scatter", "Line + Symbol", "线+符号", "Lines with markers", "带标记的折线"),
        (2, "tb/chart_line", "Line", "折线", "Line chart", "折线图"),
        (3, "tb/chart_area", "Area", "面积", "Area chart", "面积图"),
        (4, "tb/chart_bar", "Bar", "柱形", "Bar chart", "柱形图"),
        (5, "tb/chart_bubble", "Bubble", "气泡", "Bubble chart", "气泡图"),
        (6, "tb/chart_stem", "Vertical Lines", "垂线", "Vertical lines from the axis to each point",
         "从坐标轴到各点的垂线"),
    ]),
    "tb_PieTable": ("Slice table of a pie chart.", [
        (3, "tb/add_row", "Add Slice", "添加扇区", "Add a slice", "添加一个扇区"),
        (4, "tb/resize", "Slice Count", "扇区数目", "Set the number of slices", "设置扇区的数目"),
        (5, "tb/clear", "Clear", "清除", "Clear all names and values", "清除所有名称和数值"),
        (7, "tb/pie_mark", "Mark Selected", "标记选中", "Mark the slices of the selected rows", "标记选中行的扇区"),
        SEP,
        cmd(8, CUT), cmd(9, COPY), cmd(10, PASTE),
    ]),
    "tb_TickGrid": ("Alignment of the axis labels; the current one is shown pressed.", [
        (1, "tb/align_left", "Left", "左对齐", "Align the labels left", "标签左对齐"),
        (2, "tb/align_center", "Center", "居中", "Center the labels", "标签居中"),
        (3, "tb/align_right", "Right", "右对齐", "Align the labels right", "标签右对齐"),
        (4, "tb/align_justify", "Justify", "两端对齐", "Spread the labels evenly", "标签两端对齐"),
    ]),
    "tb_DMM1": ("Magnet list of the Magnets dialog.", [
        (1, "tb/mag_new", "New Magnet", "新建磁铁", "Add a new magnet", "添加新的磁铁"),
        (2, "tb/delete", "Delete", "删除", "Delete the selected magnets", "删除选中的磁铁"),
        SEP,
        (3, "tb/check_all", "Check All", "全部勾选", "Check all magnets", "勾选所有磁铁"),
        (4, "tb/uncheck_all", "Uncheck All", "全部取消", "Uncheck all magnets", "取消勾选所有磁铁"),
        SEP,
        (5, "tb/apply", "Apply", "应用", "Apply the table to the current magnet", "将表格应用到当前磁铁"),
    ]),
    "tb_DMM2": ("Position table of the Magnets dialog.", [
        (10, "tb/resize", "Positions", "位置数", "Set the number of positions", "设置位置的数目"),
        SEP,
        (11, "tb/pat_cross", "Cross", "十字", "Cross pattern", "十字排列"),
        (12, "tb/pat_line", "Line", "直线", "Points on a line", "直线排列"),
        (13, "tb/pat_circle", "Circle", "圆", "Points on a circle or an arc", "圆周或圆弧排列"),
        (14, "tb/pat_grid", "Grid", "网格", "Rectangular grid", "矩形网格排列"),
        (15, "tb/pat_stag_cols", "Staggered Columns", "交错列", "Staggered grid, columns offset",
         "交错网格（列错开）"),
        (16, "tb/pat_stag_rows", "Staggered Rows", "交错行", "Staggered grid, rows offset", "交错网格（行错开）"),
        SEP,
        (17, "tb/mirror_x", "Mirror X", "X镜像", "Add the mirror images about the vertical axis",
         "添加关于竖直轴的镜像"),
        (18, "tb/mirror_y", "Mirror Y", "Y镜像", "Add the mirror images about the horizontal axis",
         "添加关于水平轴的镜像"),
        SEP,
        (19, "tb/import", "Import", "导入", "Import positions from a text file", "从文本文件导入位置"),
        (20, "tb/export", "Export", "导出", "Export the table to a text file", "将表格导出到文本文件"),
        (21, "tb/formula", "Formula", "公式", "Fill the selected column from a formula", "用公式填充选中的列"),
    ]),
    "tb_color_picker": ("Quick buttons of the color picker.", [
        (1001, "tb/cp_black", "Black", "黑色", "Opaque black", "不透明黑色"),
        (1002, "tb/cp_white", "White", "白色", "Opaque white", "不透明白色"),
        SEP,
        (1003, "tb/cp_grab", "Pick from Screen", "屏幕取色", "Pick a color from the screen", "从屏幕上拾取颜色"),
        (1004, "tb/cp_palette", "Palettes", "调色板", "Choose a palette", "选择调色板"),
        (1005, "tb/cp_random", "Random", "随机", "Random color", "随机颜色"),
        (1006, "tb/cp_dialog", "More Colors", "更多颜色", "Open the color dialog", "打开颜色对话框"),
    ]),
}


def main():
    icons = set()
    for name, (about, buttons) in TOOLBARS.items():
        lines = ['<?xml version="1.0" encoding="UTF-8"?>', f'<!-- {about} -->', "<toolbar>"]
        for b in buttons:
            if b is SEP:
                lines.append('  <separator type="1" size="1"/>')
                continue
            n, icon, tit_en, tit_cn, tip_en, tip_cn = b
            icons.add(icon)
            lines.append(f'  <button cmd="{n}" type="2" size="1" icon="{icon}">')
            lines.append(f'    <tit en={quoteattr(tit_en)} cn={quoteattr(tit_cn)}/>')
            lines.append(f'    <tip en={quoteattr(tip_en)} cn={quoteattr(tip_cn)}/>')
            lines.append('  </button>')
        lines.append("</toolbar>")
        with open(os.path.join(OUT, name + ".xml"), "w", encoding="utf-8", newline="\n") as fh:
            fh.write("\n".join(lines) + "\n")
    missing = [i for i in sorted(icons) if not os.path.exists(os.path.join(OUT, i + ".apx"))]
    print(len(TOOLBARS), "toolbars,", len(icons), "icons used; missing:", missing)


if __name__ == "__main__":
    main()
