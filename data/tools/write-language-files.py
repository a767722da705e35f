#!/usr/bin/env python3
"""Writes data/language/english.ini (Windows-1252) and chinese.ini (GBK) from the table below.

usage: write-language-files.py [OUTPUT_DIR]      (default: ../language beside this script)

The program reads each language file in its own code page, so the Chinese file must be GBK and
must not start with a byte-order mark. Keep the texts here and regenerate both files after an
edit; never edit chinese.ini in a UTF-8 editor.

Rules the texts follow, because of how the program uses them:
- Leading and trailing blanks of a value are removed when it is read, so a text cannot begin or
  end with a blank. Texts that the program joins to something else are written for that:
  12008 and 22002 are followed directly by a port number, 9007 follows a quoted file name,
  9060/9061/9064 are followed by a blank and a version, 14012 is followed by a blank and
  "A ---  12]", 25008 and 29001 by a blank and a number, 16060 and 16061 directly follow a number.
- 12000 is also the name of the per-user window-placement store: no "/" or "\\" in it.
- At most 254 bytes per text in the file's code page.
- Menu captions carry their access key with "&"; the keys are unique within each menu.
- "%1", "%2", ... are filled in by the program; both languages use the same ones.
"""
import os
import sys

# (section, [(number, English, Chinese) or a comment string, ...])
TEXTS = [
    ("Msg", [
        (9001, "Codeplug files", "写频数据文件"),
        (9002, "The file could not be read or written.",
         "文件读写失败。"),
        (9003, "The serial port cannot be opened. Check the port setting and that no other "
               "program is using the port.",
         "无法打开串口。请检查串口设置，并确认没有其他程序正在使用该串口。"),
        (9004, "Read the radio now? The data read from the radio will replace the current "
               "document.",
         "现在读取电台数据吗？读取的数据将替换当前数据。"),
        (9005, "Write the current document to the radio now?",
         "现在将当前数据写入电台吗？"),
        (9006, "The document has unsaved changes. Save them?",
         "当前数据已修改，是否保存？"),
        (9007, ": the document will be saved to this file. Continue?",
         "将保存到此文件，是否继续？"),
        (9008, "The radio does not answer. Check the cable and that the radio is switched on. "
               "Try again?",
         "电台无响应。请检查连接线并确认电台已开机。是否重试？"),
        (9009, "Reading the radio is complete.", "读取电台数据完成。"),
        (9010, "Writing the radio is complete.", "写入电台数据完成。"),
        (9012, "The model does not match: the radio or the file belongs to another model.",
         "机型不符：电台或文件属于其他机型。"),
        (9016, "Changing the country mode starts a new document. Unsaved changes will be lost. "
               "Continue?",
         "更改国家模式将新建数据，未保存的修改将丢失。是否继续？"),
        (9017, "OK", "确定"),
        (9018, "Cancel", "取消"),
        (9019, "Change country mode", "更改国家模式"),
        (9021, "The frequency was outside the band or not on the channel raster and has been "
               "corrected.",
         "频率超出频段范围或不符合步进，已自动修正。"),
        (9023, "Close", "关闭"),
        (9025, "Help", "帮助"),
        (9026, "Create a new document? The current data will be replaced.",
         "新建数据吗？当前数据将被替换。"),
        (9027, "Reading from radio", "正在读取电台数据"),
        (9028, "Writing to radio", "正在写入电台数据"),
        (9029, "Progress", "进度"),
        (9030, "The country mode of the document differs from the radio's. Nothing was "
               "written to the radio.",
         "当前数据的国家模式与电台不一致，未向电台写入任何数据。"),
        "Buttons of the message boxes",
        (9040, "Yes", "是"),
        (9041, "No", "否"),
        (9042, "Retry", "重试"),
        "Version questions",
        (9060, "Radio data version:", "电台数据版本："),
        (9061, "Program version:", "软件版本："),
        (9062, "This version of the program does not handle this data. Start the program "
               "version that does?",
         "本软件版本不支持此数据，是否启动支持此数据的软件版本？"),
        (9063, "No installed version of the program handles this data.",
         "没有已安装的软件版本支持此数据。"),
        (9064, "File data version:", "文件数据版本："),
        (9065, "The version of the file is not valid.", "文件版本无效。"),
        "Command-line program (korvan7x-cli) and serial device hints, 9100-9199",
        (9100, "Device: %1", "设备：%1"),
        (9101, "Owner: %1, group: %2", "所有者：%1，用户组：%2"),
        (9102, "Access denied: join the group %1 (sudo usermod -aG %1 $USER), then log out "
               "and in again.",
         "没有访问权限：请加入用户组 %1（sudo usermod -aG %1 $USER），然后注销并重新登录。"),
        (9103, "The device is busy: another program (for example ModemManager or brltty) may "
               "be holding it.",
         "设备忙：可能有其他程序（例如 ModemManager 或 brltty）正在使用它。"),
        (9104, "No serial device is known for port %1.", "找不到端口 %1 对应的串口设备。"),
        (9105, "The device %1 does not exist.", "设备 %1 不存在。"),
        (9106, "No serial ports found.", "未找到串口。"),
        (9107, "Port %1: %2", "端口 %1：%2"),
        (9110, "Usage: %1 COMMAND [OPTIONS]", "用法：%1 命令 [选项]"),
        (9111, "Commands:", "命令："),
        (9112, "Options:", "选项："),
        (9113, "Create a new codeplug file", "新建写频数据文件"),
        (9114, "Show the contents of a codeplug file", "显示写频数据文件的内容"),
        (9115, "Convert a codeplug file into a radio memory image",
         "将写频数据文件转换为电台存储映像"),
        (9116, "Convert a radio memory image into a codeplug file",
         "将电台存储映像转换为写频数据文件"),
        (9117, "Read the radio into a codeplug file", "读取电台数据并保存为写频数据文件"),
        (9118, "Write a codeplug file to the radio", "将写频数据文件写入电台"),
        (9119, "Show the radio information", "显示电台信息"),
        (9120, "List the serial ports", "列出串口"),
        (9121, "Country mode: 0 CB, 1 HF, 2 HAM", "国家模式：0 CB，1 HF，2 HAM"),
        (9122, "Output file", "输出文件"),
        (9123, "Serial port: a number from 1 to 16 or a device path",
         "串口：1 到 16 的编号或设备路径"),
        (9124, "Write every byte sent and received to a file",
         "将收发的每个字节记录到文件"),
        (9125, "Show this help", "显示本帮助"),
        (9130, "Unknown command: %1", "未知命令：%1"),
        (9131, "Unknown option: %1", "未知选项：%1"),
        (9132, "The option %1 needs a value.", "选项 %1 需要一个值。"),
        (9133, "Invalid value for %1: %2", "%1 的值无效：%2"),
        (9134, "No output file given (-o FILE).", "未指定输出文件（-o 文件）。"),
        (9135, "No input file given.", "未指定输入文件。"),
        (9136, "Too many arguments.", "参数过多。"),
        (9137, "Cannot read %1: %2", "无法读取 %1：%2"),
        (9138, "Cannot write %1: %2", "无法写入 %1：%2"),
        (9139, "A memory image must be exactly %1 bytes; %2 has %3 bytes.",
         "存储映像必须正好是 %1 字节，而 %2 有 %3 字节。"),
        (9140, "Saved %1", "已保存 %1"),
        (9141, "Cancelled.", "已取消。"),
        (9142, "The country mode must be 0, 1 or 2.", "国家模式必须是 0、1 或 2。"),
    ]),
    ("Menu", [
        "File menu",
        (10000, "&File", "文件(&F)"),
        (10001, "&New", "新建(&N)"),
        (10002, "&Open...", "打开(&O)..."),
        (10003, "&Save", "保存(&S)"),
        (10004, "Save &As...", "另存为(&A)..."),
        (10005, "&Print...", "打印(&P)..."),
        (10006, "E&xit", "退出(&X)"),
        "Model menu",
        (10100, "&Model", "机型(&M)"),
        (10101, "Model &information...", "机型信息(&I)..."),
        "Edit menu",
        (10200, "&Edit", "编辑(&E)"),
        (10201, "&Channel information", "信道信息(&C)"),
        (10202, "&Optional features", "可选功能(&O)"),
        (10203, "Radio &frequencies", "电台频率(&F)"),
        (10204, "&DTMF", "DTMF(&D)"),
        (10205, "Test fre&quencies", "测试频率(&Q)"),
        (10206, "&Embedded message", "嵌入信息(&E)"),
        (10207, "Radio &information", "电台信息(&I)"),
        (10208, "&Keys", "按键设置(&K)"),
        (10209, "&Scan", "扫描(&S)"),
        (10210, "&Alert", "报警(&A)"),
        (10220, "&Group names", "组名称(&G)"),
        (10221, "&Tone tips", "提示音(&T)"),
        (10222, "&Reset", "复位(&R)"),
        "Program menu",
        (10300, "&Program", "写频(&P)"),
        (10301, "&Read from radio", "读取电台(&R)"),
        (10302, "&Write to radio", "写入电台(&W)"),
        (10303, "&Password...", "密码(&P)..."),
        "Settings menu",
        (10400, "&Settings", "设置(&S)"),
        (10401, "&Serial port...", "串口(&S)..."),
        (10402, "&Language...", "语言(&L)..."),
        (10403, "&Initialise settings", "初始化设置(&I)"),
        "View menu",
        (10500, "&View", "查看(&V)"),
        (10501, "&Navigation pane", "导航栏(&N)"),
        (10502, "&Toolbar", "工具栏(&T)"),
        (10503, "&Status bar", "状态栏(&S)"),
        "Window menu",
        (10600, "&Window", "窗口(&W)"),
        (10601, "&Cascade", "层叠(&C)"),
        (10602, "Close a&ll", "全部关闭(&L)"),
        "Help menu",
        (10700, "&Help", "帮助(&H)"),
        (10701, "&Help topics", "帮助主题(&H)"),
        (10702, "&About...", "关于(&A)..."),
        "Channel edit menu; 10808 sits in the Settings menu",
        (10800, "&Channel", "信道(&C)"),
        (10801, "Cu&t", "剪切(&T)"),
        (10802, "&Copy", "复制(&C)"),
        (10803, "&Paste", "粘贴(&P)"),
        (10804, "&Insert", "插入(&I)"),
        (10805, "&Delete", "删除(&D)"),
        (10806, "Move &up", "上移(&U)"),
        (10807, "Move d&own", "下移(&O)"),
        (10808, "Channel &preferences", "信道偏好(&P)"),
    ]),
    ("ToolBar", [
        (11000, "New", "新建"),
        (11001, "Open", "打开"),
        (11002, "Save", "保存"),
        (11003, "Print", "打印"),
        (11004, "Read from radio", "读取电台"),
        (11005, "Serial port", "串口设置"),
        (11006, "Write to radio", "写入电台"),
        (11007, "About", "关于"),
        (11010, "Cut", "剪切"),
        (11011, "Copy", "复制"),
        (11012, "Paste", "粘贴"),
        (11013, "Insert", "插入"),
        (11014, "Delete", "删除"),
        (11015, "Move up", "上移"),
        (11016, "Move down", "下移"),
    ]),
    ("Main", [
        (12000, "KORVAN 7X Programming Software", "KORVAN 7X 写频软件"),
        (12001, "Channel information", "信道信息"),
        (12002, "Optional features", "可选功能"),
        (12004, "DTMF", "DTMF设置"),
        (12007, "Radio information", "电台信息"),
        (12008, "Port: COM", "端口：COM"),
        (12009, "File", "文件"),
        (12010, "Keys", "按键设置"),
        (12014, "Tone tips", "提示音"),
        "Titles of the open and save dialogs",
        (12100, "Open codeplug file", "打开写频数据文件"),
        (12101, "Save codeplug file as", "写频数据文件另存为"),
    ]),
    ("Model", [
        (13000, "Model information", "机型信息"),
        (13001, "Model", "机型"),
        (13002, "Country mode", "国家模式"),
        (13003, "Band", "频段"),
    ]),
    ("ChannelInfo", [
        (14001, "CH", "信道"),
        (14002, "Frequency (MHz)", "频率(MHz)"),
        (14003, "Common", "公共设置"),
        (14004, "Duplex", "双工"),
        (14005, "Offset", "频差"),
        (14006, "Tone SQL", "亚音静噪"),
        (14008, "Scan", "扫描"),
        (14011, "Edit", "编辑"),
        (14012, "Channel information [Group", "信道信息 [分组"),
        (14013, "None", "无"),
        (14023, "Edit channel", "编辑信道"),
        (14050, "Group", "分组"),
        (14052, "Working CH", "工作信道"),
        (14053, "Emergency CH 1", "紧急信道1"),
        (14054, "Emergency CH 2", "紧急信道2"),
        (14101, "Group enabled", "分组启用"),
    ]),
    ("ChannelEdit", [
        (15000, "Channel edit", "信道编辑"),
        (15001, "Channel", "信道"),
        (15002, "Frequency (MHz)", "频率(MHz)"),
        (15005, "Common settings", "使用公共设置"),
        (15006, "Duplex", "双工方向"),
        (15007, "Tone squelch", "亚音静噪"),
        (15008, "Scan", "扫描"),
        (15009, "Hi-Cut", "高音切除"),
        (15010, "Busy lockout", "遇忙禁发"),
        (15011, "Noise blanker", "噪声消隐"),
        (15012, "5 kHz shift", "5kHz偏移"),
        (15013, "Modulation", "调制方式"),
        (15014, "TX power", "发射功率"),
        (15015, "Roger beep", "尾音"),
        (15016, "DTMF BOT", "DTMF起始码"),
        (15017, "DTMF EOT", "DTMF结束码"),
        (15018, "DTMF call", "DTMF呼叫码"),
        (15019, "RX tone", "接收亚音"),
        (15020, "TX tone", "发射亚音"),
        (15029, "Group", "分组"),
        (15030, "Off", "关"),
        (15044, "Low", "低"),
        (15045, "Middle", "中"),
        (15046, "High", "高"),
        (15100, "Offset", "频差"),
    ]),
    ("Option", [
        (16000, "Optional features", "可选功能"),
        (16001, "Use MEM channels", "使用MEM信道"),
        (16002, "VFO group", "VFO分组"),
        (16003, "Key beep", "按键音"),
        (16004, "TX time-out timer", "发射限时"),
        (16005, "Display brightness", "显示亮度"),
        (16006, "Speaker volume", "扬声器音量"),
        (16007, "Squelch level", "静噪等级"),
        (16008, "ASQ", "自动静噪"),
        (16009, "ASQ level", "自动静噪等级"),
        (16010, "RF gain", "射频增益"),
        (16011, "Channel display", "信道显示方式"),
        (16012, "Scan type", "扫描方式"),
        (16013, "Scan time", "扫描时间"),
        (16014, "SQL back-off", "静噪回退"),
        (16015, "ASQ back-off", "自动静噪回退"),
        (16016, "Auto power-on", "自动开机"),
        (16017, "Allow MEM editing", "允许编辑MEM信道"),
        (16040, "Off", "关"),
        (16049, "Auto", "自动"),
        (16058, "Carrier", "载波"),
        (16059, "Time", "时间"),
        (16060, "s", "秒"),
        (16061, "min", "分钟"),
        (16300, "Off", "关"),
    ]),
    ("Radio", [
        (17001, "Frequency", "频率"),
        (17002, "Channel number", "信道号"),
    ]),
    ("DTMF", [
        (18000, "DTMF settings", "DTMF设置"),
        (18002, "Settings", "设置"),
        (18003, "Other", "其他"),
        (18004, "Codes", "DTMF编码"),
        (18005, "Digit duration (ms)", "单码时长(ms)"),
        (18006, "First digit delay (ms)", "首码延时(ms)"),
        (18007, "Pre-carrier time (ms)", "预载波时间(ms)"),
        (18008, "* and # duration (ms)", "*和#码时长(ms)"),
        (18009, "Auto reset time", "自动复位时间"),
        (18030, "DTMF sidetone", "DTMF侧音"),
        (18040, "Off", "关"),
    ]),
    ("Local", [
        (21000, "Radio information", "电台信息"),
        (21001, "Dealer information", "经销商信息"),
        (21002, "Sales area code", "销售区域代码"),
        (21003, "Batch number", "生产批号"),
        (21004, "Customer code", "客户代码"),
        (21005, "Model", "机型"),
        (21006, "Band", "频段"),
        (21007, "Serial number", "序列号"),
        (21008, "Date of manufacture", "生产日期"),
        (21009, "Date of repair", "维修日期"),
        (21010, "Version", "版本信息"),
        (21011, "Repair", "维修"),
        (21012, "reason", "原因"),
        (21013, "Dealer code", "经销商代码"),
        (21014, "Date into stock", "入库日期"),
        (21015, "Date of sale", "销售日期"),
        (21016, "Handled by", "经办人"),
    ]),
    ("Port", [
        (22000, "Serial port", "串口设置"),
        (22001, "Port", "端口"),
        (22002, "COM", "COM"),
    ]),
    ("Lang", [
        (23000, "Language", "语言设置"),
        (23001, "Language", "语言"),
        (23002, "English", "English"),
        (23003, "Chinese (Simplified)", "简体中文"),
        (23100, "Radio password", "电台密码"),
        (23101, "Password", "密码"),
    ]),
    ("About", [
        (24000, "About", "关于"),
        (24001, "KORVAN 7X Programming Software", "KORVAN 7X 写频软件"),
        (24002, "Version V1.00", "版本 V1.00"),
        (24003, "Reads, edits and writes the channels and settings of the KORVAN 7X HF/CB "
                "transceiver, and keeps them in codeplug files.",
         "读取、编辑和写入 KORVAN 7X 短波/CB 电台的信道和设置，并保存为写频数据文件。"),
        (24004, "Check every setting before you transmit. You are responsible for using the "
                "radio within the rules of your licence and your country.",
         "发射前请检查全部设置。请在您的执照和所在国家的规定范围内使用电台。"),
        (24005, "OK", "确定"),
    ]),
    ("KeySet", [
        (25000, "Key functions", "按键功能"),
        (25007, "Key modes", "按键模式组合"),
        (25008, "Key mode", "按键模式"),
    ]),
    ("TONETIPS", [
        (29000, "Tone tips", "提示音"),
        (29001, "Tip", "提示音"),
        (29002, "Repeat count", "重复次数"),
        (29003, "Repeat gap (ms)", "重复间隔(ms)"),
        (29004, "Pitch (Hz)", "音调(Hz)"),
        (29005, "Duration (ms)", "时长(ms)"),
        "Play and stop buttons",
        (29006, "Play", "播放"),
        (29007, "Stop", "停止"),
        (29100, "Note 1", "音符1"),
        (29101, "Note 2", "音符2"),
        (29102, "Note 3", "音符3"),
        (29103, "Note 4", "音符4"),
        (29104, "Note 5", "音符5"),
        (29105, "Note 6", "音符6"),
        (29106, "Note 7", "音符7"),
        (29107, "Note 8", "音符8"),
        (29108, "Note 9", "音符9"),
        (29109, "Note 10", "音符10"),
        (29110, "Note 11", "音符11"),
        (29111, "Note 12", "音符12"),
        (29112, "Note 13", "音符13"),
        (29113, "Note 14", "音符14"),
        (29200, "Off", "关"),
        (29201, "Rest", "休止"),
    ]),
]

FILES = (
    ("english.ini", "cp1252", 1, "English, Windows-1252"),
    ("chinese.ini", "gbk", 2, "Simplified Chinese, GBK"),
)


def render(column, description):
    lines = [f"; korvan7x language file: {description}.",
             "; Section and key: the text number; each value at most 254 bytes.", ""]
    for section, entries in TEXTS:
        lines.append(f"[{section}]")
        for entry in entries:
            if isinstance(entry, str):
                lines.append(f"; {entry}")
                continue
            number, text = entry[0], entry[column]
            if text != text.strip() or not text:
                raise SystemExit(f"{number}: empty, or blanks at either end")
            lines.append(f"{number}={text}")
        lines.append("")
    return "\n".join(lines)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "language")
    os.makedirs(out, exist_ok=True)
    for name, encoding, column, description in FILES:
        data = render(column, description).encode(encoding)  # fails on a character outside
        with open(os.path.join(out, name), "wb") as f:
            f.write(data)
    return 0


if __name__ == "__main__":
    sys.exit(main())
