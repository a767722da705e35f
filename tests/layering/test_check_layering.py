#!/usr/bin/env python3
"""The layering check finds each kind of breach, names file, line and rule, and lets the
includes each layer may use pass."""
import os
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import check_layering  # noqa: E402

# file, include line, the rule it breaks (None: allowed)
CASES = [
    ('codeplug/A.cpp', '#include <vector>', None),
    ('codeplug/A.cpp', '#include <sys/stat.h>', None),
    ('codeplug/A.cpp', '#include "codeplug/Records.h"', None),
    ('codeplug/A.cpp', '#include <yaml-cpp/yaml.h>', None),
    ('codeplug/A.cpp', '#include <QtCore/qyaml.h>', 'the data core includes only'),
    ('codeplug/A.cpp', '#include <QString>', 'the data core includes only'),
    ('codeplug/A.cpp', '#include "shell/IniFile.h"', 'the data core includes only'),
    ('codeplug/A.cpp', '#include <gtest/gtest.h>', 'the data core includes only'),
    ('codeplug/B.h', '#include "channels/GroupLists.h"', 'do not include channels/'),
    ('link/E.cpp', '#include "link/Frames.h"', None),
    ('link/E.cpp', '#include "codeplug/Records.h"', None),
    ('link/E.cpp', '#include <QTimer>', 'the link core includes neither Qt'),
    ('link/E.cpp', '#include "shell/AppSettings.h"', 'the link core includes neither Qt'),
    ('link/E.cpp', '#include "link/serial/QtSerialLink.h"', 'the link core includes neither Qt'),
    ('link/E.cpp', '#include "settings/FrmKey.h"', 'do not include channels/'),
    ('link/ui/W.cpp', '#include <QWidget>', None),
    ('link/serial/S.cpp', '#include <QSerialPort>', None),
    ('link/serial/S.cpp', '#include <QWidget>', 'a core includes neither QtWidgets'),
    ('link/serial/S.cpp', '#include "shell/ui/Captions.h"', 'a core includes neither QtWidgets'),
    ('shell/C.cpp', '#include <QString>', None),
    ('shell/C.cpp', '#include <QtWidgets/QDialog>', 'a core includes neither QtWidgets'),
    ('shell/C.cpp', '#include <QMessageBox>', 'a core includes neither QtWidgets'),
    ('shell/C.cpp', '#include "channels/ChannelWindows.h"', 'do not include channels/'),
    ('shell/ui/M.cpp', '#include <QMessageBox>', None),
    ('cli/D.cpp', '#include <QCoreApplication>', None),
    ('cli/D.cpp', '#include <QApplication>', 'the command line includes neither'),
    ('cli/D.cpp', '#include "link/ui/FrmSetComm.h"', 'the command line includes neither'),
    ('radiosim/core/R.cpp', '#include <QLabel>', 'the simulated radio includes neither'),
    ('channels/G.cpp', '#include "shell/ui/Captions.h"', None),
    ('channels/G.cpp', '#include "settings/FrmDTMF.h"', 'the channel windows do not include'),
    ('settings/K.cpp', '#include "shell/ui/CountrySelectors.h"', None),
    ('settings/K.cpp', '#include "channels/FrmCHInfoEdit.h"', 'the settings windows do not'),
]


class LayeringCheckTest(unittest.TestCase):
    def test_each_breach_is_named_with_file_line_and_rule(self):
        with tempfile.TemporaryDirectory() as root:
            widgets = os.path.join(root, 'qt', 'QtWidgets')
            os.makedirs(widgets)
            for header in ('QWidget', 'QMessageBox', 'QApplication', 'QLabel', 'QDialog'):
                open(os.path.join(widgets, header), 'w').close()
            lines = {}
            for path, include, _ in CASES:
                lines.setdefault(path, []).append(include)
            for path, body in lines.items():
                full = os.path.join(root, path)
                os.makedirs(os.path.dirname(full), exist_ok=True)
                with open(full, 'w') as f:
                    f.write('// a comment line\n' + '\n'.join(body) + '\n')

            found = check_layering.check(root, widgets)
            expected = []
            for path, include, rule in CASES:
                if rule is None:
                    continue
                number = lines[path].index(include) + 2
                expected.append((path, number, rule))
            self.assertEqual(len(found), len(expected), '\n'.join(found))
            for path, number, rule in expected:
                prefix = f'{path}:{number}: '
                match = [line for line in found if line.startswith(prefix)]
                self.assertEqual(len(match), 1, f'{prefix} in\n' + '\n'.join(found))
                self.assertIn(rule, match[0])


if __name__ == '__main__':
    unittest.main()
