#!/usr/bin/env python3
"""Checks the shipped language files and Version.ini the way the program reads them.

usage: check-data-files.py DATA_DIR PROGRAM_VERSION

Language files: each decodes in its own code page without a byte-order mark; every line is a
section, a key=value entry, a comment or blank; no section or key appears twice; every key is a
text number that lies in the band of its section; both files define the same numbers; texts are
non-empty, at most 254 bytes and use the same %1-style placeholders in both languages; menu
captions have one access key each, unique within their menu; texts that the program joins to a
number stay apart from it; the application title can serve as a settings-store name.
Version.ini: counts of at least 1, every entry present, valid version texts, and the program
version paired with its own data version, so the program opens the files it writes.

Before the real files it runs the same checks on damaged copies and fails if one goes unnoticed.
"""
import os
import re
import sys

BANDS = [  # (highest number, section), tested in order
    (8999, "OTHER"), (9999, "Msg"), (10999, "Menu"), (11999, "ToolBar"), (12999, "Main"),
    (13999, "Model"), (14999, "ChannelInfo"), (15999, "ChannelEdit"), (16999, "Option"),
    (17999, "Radio"), (18999, "DTMF"), (19999, "TestFre"), (20999, "EMG"), (21999, "Local"),
    (22999, "Port"), (23999, "Lang"), (24999, "About"), (25999, "KeySet"), (26999, "ScanSet"),
    (27999, "AlertSet"), (28999, "CHEdit"), (29999, "TONETIPS"), (30999, "GroupName"),
    (31999, "ResetMode"),
]


def section_of(number):
    for top, section in BANDS:
        if number <= top:
            return section
    return "Others"


# Captions of one menu; the Window menu also holds three fixed English entries.
MENUS = {
    "menu bar": [10000, 10100, 10800, 10200, 10300, 10400, 10500, 10600, 10700],
    "File": [10001, 10002, 10003, 10004, 10005, 10006],
    "Model": [10101],
    "Channel": list(range(10801, 10808)),
    "Edit": [10201, 10202, 10220, 10222, 10221, 10203, 10204, 10208, 10209, 10210, 10205,
             10206, 10207],
    "Program": [10301, 10302, 10303],
    "Settings": [10401, 10402, 10403, 10808],
    "View": [10501, 10502, 10503],
    "Window": [10601, "Tile Windows &Horizontally", "Tile Windows &Vertically",
               "&Arrange Icons", 10602],
    "Help": [10701, 10702],
}
FOLLOWED_BY_NUMBER = [12008, 22002]  # the port number follows directly
AFTER_NUMBER = [16060, 16061]  # directly after a number
SETTINGS_STORE_NAME = 12000


def parse_ini(raw, encoding, name, problems):
    """Returns {section: {key: value}} with names as written; reports malformed lines."""
    if raw.startswith(b"\xef\xbb\xbf"):
        problems.append(f"{name}: starts with a byte-order mark")
        raw = raw[3:]
    try:
        text = raw.decode(encoding)
    except UnicodeDecodeError as e:
        problems.append(f"{name}: not valid {encoding} at byte {e.start}")
        return {}
    sections, current = {}, None
    for number, line in enumerate(text.splitlines(), 1):
        s = line.strip()
        if not s or s.startswith(";"):
            continue
        m = re.fullmatch(r"\[([^\]]+)\]", s)
        if m:
            title = m.group(1).strip()
            if title.lower() in (k.lower() for k in sections):
                problems.append(f"{name}:{number}: section [{title}] appears twice")
            current = sections.setdefault(title, {})
            continue
        if current is None or "=" not in s:
            problems.append(f"{name}:{number}: not a section or key=value line")
            continue
        key, value = (part.strip() for part in s.split("=", 1))
        if key.lower() in (k.lower() for k in current):
            problems.append(f"{name}:{number}: key {key} appears twice")
            continue
        current[key] = value
    return sections


def check_language(ini, encoding, name, problems):
    """Returns {number: text} of the file after checking each entry on its own."""
    texts = {}
    for section, entries in ini.items():
        for key, value in entries.items():
            if not re.fullmatch(r"-?\d+", key):
                problems.append(f"{name}: [{section}] key {key} is not a text number")
                continue
            number = int(key)
            if section_of(number) != section:
                problems.append(f"{name}: {number} is in [{section}]; the program looks for it "
                                f"in [{section_of(number)}]")
            if not value:
                problems.append(f"{name}: {number} is empty")
            elif len(value.encode(encoding)) > 254:
                problems.append(f"{name}: {number} is longer than 254 bytes")
            texts[number] = value
    for number in FOLLOWED_BY_NUMBER:
        if texts.get(number, "x")[-1:].isdigit():
            problems.append(f"{name}: {number} ends in a digit and runs into the port number")
    for number in AFTER_NUMBER:
        if texts.get(number, "x")[:1].isdigit():
            problems.append(f"{name}: {number} starts with a digit and runs into the number")
    if re.search(r"[/\\]", texts.get(SETTINGS_STORE_NAME, "")):
        problems.append(f"{name}: {SETTINGS_STORE_NAME} holds a path separator; it names the "
                        "window-placement store")
    for menu, entries in MENUS.items():
        keys = {}
        for entry in entries:
            caption = texts.get(entry, "") if isinstance(entry, int) else entry
            if not caption:
                continue
            marks = re.findall(r"&(.)", caption.replace("&&", ""))
            if len(marks) != 1 or not marks[0].strip():
                problems.append(f"{name}: menu caption {entry} ({caption}) needs exactly one "
                                "access key")
                continue
            key = marks[0].lower()
            if key in keys:
                problems.append(f"{name}: {menu} menu: access key {key.upper()} of {entry} is "
                                f"already taken by {keys[key]}")
            keys[key] = entry
    return texts


def compare_languages(english, chinese, problems):
    for number in sorted(set(english) ^ set(chinese)):
        where = "english.ini" if number in english else "chinese.ini"
        problems.append(f"{number} is defined only in {where}")
    for number in sorted(set(english) & set(chinese)):
        a = sorted(set(re.findall(r"%\d", english[number])))
        b = sorted(set(re.findall(r"%\d", chinese[number])))
        if a != b:
            problems.append(f"{number}: placeholders {a} in English but {b} in Chinese")


def lookup(ini, section, key):
    for s, entries in ini.items():
        if s.lower() == section.lower():
            for k, v in entries.items():
                if k.lower() == key.lower():
                    return v
    return ""


def check_versions(ini, program_version, problems):
    valid = re.compile(r"V\d{3}")

    def count(key):
        value = lookup(ini, "Version", key)
        if not re.fullmatch(r"\d+", value) or int(value) < 1:
            problems.append(f"Version.ini: {key} must be a number of at least 1, not '{value}'")
            return 0
        return int(value)

    if not valid.fullmatch(lookup(ini, "Version", "CurrentVersion")):
        problems.append("Version.ini: CurrentVersion is not a version text like V100")
    soft = [lookup(ini, "Soft", f"Version{i}") for i in range(count("SoftVersionCount"))]
    for i, version in enumerate(soft):
        if not valid.fullmatch(version):
            problems.append(f"Version.ini: Version{i} is not a version text")
    pairs = []
    for i in range(count("FirmVersionCount")):
        value = lookup(ini, "Firm", f"Firm{i}")
        program, data = value[:4], value[-4:]
        if len(value) < 8 or not valid.fullmatch(program) or not valid.fullmatch(data):
            problems.append(f"Version.ini: Firm{i} '{value}' is not a pair like V100-V100")
        pairs.append((program, data))
    if program_version not in soft:
        problems.append(f"Version.ini: the installed program version {program_version} is not "
                        "listed under [Soft]")
    if (program_version, program_version) not in pairs:
        problems.append(f"Version.ini: no pair {program_version}-{program_version}; the program "
                        "would refuse its own files")


def check_all(english_raw, chinese_raw, version_raw, program_version):
    problems = []
    texts = []
    for raw, name, encoding in ((english_raw, "english.ini", "cp1252"),
                                (chinese_raw, "chinese.ini", "gbk")):
        ini = parse_ini(raw, encoding, name, problems)
        texts.append(check_language(ini, encoding, name, problems))
    compare_languages(texts[0], texts[1], problems)
    check_versions(parse_ini(version_raw, "ascii", "Version.ini", problems), program_version,
                   problems)
    return problems


def self_test(english, chinese, versions, program_version):
    """Each damage must add a problem; returns the damages that went unnoticed."""
    def edit(raw, old, new, encoding):
        text = raw.decode(encoding)
        assert old in text, f"self-test: '{old}' not found"
        return text.replace(old, new, 1).encode(encoding)

    cases = {
        "key missing in one language": (english, edit(chinese, "9017=", "; 9017=", "gbk"),
                                        versions),
        "key in the wrong section": (edit(english, "[ToolBar]\n", "[ToolBar]\n9099=x\n",
                                          "cp1252"),
                                     edit(chinese, "[ToolBar]\n", "[ToolBar]\n9099=x\n", "gbk"),
                                     versions),
        "duplicate key": (edit(english, "9017=OK", "9017=OK\n9017=Yes", "cp1252"), chinese,
                          versions),
        "byte-order mark": (english, b"\xef\xbb\xbf" + chinese, versions),
        "UTF-8 Chinese file": (english, chinese.decode("gbk").encode("utf-8"), versions),
        "placeholder lost": (english, edit(chinese, "%1", "", "gbk"), versions),
        "access key taken twice": (edit(english, "Save &As...", "&Save As...", "cp1252"),
                                   chinese, versions),
        "menu caption without key": (edit(english, "E&xit", "Exit", "cp1252"), chinese,
                                     versions),
        "own version pair missing": (english, chinese,
                                     edit(versions, f"Firm0={program_version}-{program_version}",
                                          "Firm0=V999-V999", "ascii")),
        "count of zero": (english, chinese,
                          edit(versions, "FirmVersionCount=1", "FirmVersionCount=0", "ascii")),
    }
    baseline = set(check_all(english, chinese, versions, program_version))
    return [name for name, files in cases.items()
            if not set(check_all(*files, program_version)) - baseline]


def main():
    if len(sys.argv) != 3:
        print(__doc__)
        return 2
    folder, program_version = sys.argv[1], sys.argv[2]

    def read(*parts):
        with open(os.path.join(folder, *parts), "rb") as f:
            return f.read()

    files = (read("language", "english.ini"), read("language", "chinese.ini"),
             read("Version.ini"))
    unnoticed = self_test(*files, program_version)
    for name in unnoticed:
        print(f"self-test: a damaged copy went unnoticed: {name}")
    problems = check_all(*files, program_version)
    for p in problems:
        print(p)
    print(f"{len(problems)} problems")
    return 1 if problems or unnoticed else 0


if __name__ == "__main__":
    sys.exit(main())
