#!/usr/bin/env python3
"""Checks that the source folders include only what their layer may use.

The data core stands on the standard library alone, the link core on the data core, the cores
of the shell and the serial adapter never reach into windows, the command-line programs never
build windows, and the channel and settings windows sit on top of everything else.

Usage: check_layering.py SOURCE_ROOT QTWIDGETS_INCLUDE_DIR
Prints one line per breach (file:line: rule: the include) and exits 1 when there is any.
"""
import os
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
# C++ standard headers, the C and POSIX headers of the system library.
SYSTEM_LIBRARY = re.compile(r'^([a-z_0-9]+(\.h)?|sys/[a-z_0-9]+\.h)$')
# The one library besides the standard one that the data core builds on: the codeplug's text
# form is read and written with it.
YAML_LIBRARY = re.compile(r'^yaml-cpp/[a-z_0-9/]+\.h$')


def sources(root, folder, recurse):
    base = os.path.join(root, folder)
    if not os.path.isdir(base):
        return
    for dirpath, dirnames, filenames in os.walk(base):
        for name in sorted(filenames):
            if name.endswith(('.h', '.cpp')):
                yield os.path.relpath(os.path.join(dirpath, name), root)
        if not recurse:
            break
        dirnames.sort()


def includes(root, path):
    with open(os.path.join(root, path), encoding='utf-8', errors='replace') as f:
        for number, line in enumerate(f, 1):
            m = INCLUDE.match(line)
            if m:
                yield number, m.group(1) == '<', m.group(2)


def is_qt(angle, name):
    return angle and name.startswith('Q')


def make_widgets_test(widgets_dir):
    headers = set(os.listdir(widgets_dir)) if os.path.isdir(widgets_dir) else set()

    def is_widgets(angle, name):
        if not angle:
            return False
        if name.startswith('QtWidgets'):
            return True
        return name in headers
    return is_widgets


def is_ui(angle, name):
    return not angle and '/ui/' in '/' + name


def rules(is_widgets):
    def codeplug_only(angle, name):
        if angle:
            return not (SYSTEM_LIBRARY.match(name) or YAML_LIBRARY.match(name))
        return not name.startswith('codeplug/')

    def link_core(angle, name):
        if is_qt(angle, name):
            return True
        if angle:
            return False
        return not (name.startswith('codeplug/') or
                    (name.startswith('link/') and name.count('/') == 1))

    def no_windows(angle, name):
        return is_widgets(angle, name) or is_ui(angle, name)

    def no_editors(angle, name):
        return not angle and name.startswith(('channels/', 'settings/'))

    def no_channels(angle, name):
        return not angle and name.startswith('channels/')

    def no_settings(angle, name):
        return not angle and name.startswith('settings/')

    # (folder, recurse into subfolders, rule text, breach test); an include breaking several
    # rules is named once, by the first.
    return [
        ('codeplug', True, 'the cores do not include channels/ or settings/', no_editors),
        ('link', False, 'the cores do not include channels/ or settings/', no_editors),
        ('link/serial', True, 'the cores do not include channels/ or settings/', no_editors),
        ('shell', False, 'the cores do not include channels/ or settings/', no_editors),
        ('codeplug', True, 'the data core includes only the standard library, yaml-cpp and codeplug/',
         codeplug_only),
        ('link', False, 'the link core includes neither Qt nor anything above codeplug/',
         link_core),
        ('shell', False, 'a core includes neither QtWidgets nor a ui/ header', no_windows),
        ('link/serial', True, 'a core includes neither QtWidgets nor a ui/ header', no_windows),
        ('cli', True, 'the command line includes neither QtWidgets nor a ui/ header', no_windows),
        ('radiosim', True, 'the simulated radio includes neither QtWidgets nor a ui/ header',
         no_windows),
        ('settings', True, 'the settings windows do not include channels/', no_channels),
        ('channels', True, 'the channel windows do not include settings/', no_settings),
    ]


def check(root, widgets_dir):
    breaches = {}
    for folder, recurse, text, breach in rules(make_widgets_test(widgets_dir)):
        for path in sources(root, folder, recurse):
            for number, angle, name in includes(root, path):
                if (path, number) not in breaches and breach(angle, name):
                    shown = f'<{name}>' if angle else f'"{name}"'
                    breaches[(path, number)] = f'{path}:{number}: {text}: {shown}'
    return [breaches[key] for key in sorted(breaches)]


def main(argv):
    if len(argv) != 3:
        print('usage: check_layering.py SOURCE_ROOT QTWIDGETS_INCLUDE_DIR', file=sys.stderr)
        return 2
    root, widgets_dir = argv[1], argv[2]
    if not os.path.isdir(widgets_dir):
        print(f'no QtWidgets headers in {widgets_dir}', file=sys.stderr)
        return 2
    breaches = check(root, widgets_dir)
    for line in breaches:
        print(line)
    return 1 if breaches else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
