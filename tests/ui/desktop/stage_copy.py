"""A private copy of the staged installation, so a run writes its settings there and never in
the build tree or the user's configuration."""

import os
import shutil
import tempfile


def read_ini_text(path, encoding, section, key):
    """The value of a key in a language file, read the way the program reads it."""
    current = None
    with open(path, "rb") as f:
        for raw in f.read().decode(encoding, errors="replace").splitlines():
            line = raw.strip()
            if line.startswith("[") and line.endswith("]"):
                current = line[1:-1].strip().lower()
            elif current == section.lower() and "=" in line:
                k, v = line.split("=", 1)
                if k.strip().lower() == key.lower():
                    return v.strip()
    return ""


class StageCopy:
    def __init__(self, stage):
        self.root = tempfile.mkdtemp(prefix="k7x-desktop-")
        self.install = os.path.join(self.root, "install")
        shutil.copytree(stage, self.install, symlinks=False)
        self.home = os.path.join(self.root, "home")
        os.makedirs(self.home)
        self.program_folder = os.path.join(self.install, "V100")
        self.program = os.path.join(self.program_folder, "korvan7x")
        self.setup_file = os.path.join(self.install, "language", "mysetup.ini")
        self.setting_file = os.path.join(self.program_folder, "Setting.ini")

    def environment(self, lang="C"):
        env = dict(os.environ)
        for name in ("LC_ALL", "LC_MESSAGES", "QT_QPA_PLATFORM"):
            env.pop(name, None)
        env.update(HOME=self.home, XDG_CONFIG_HOME=os.path.join(self.home, ".config"),
                   XDG_DATA_HOME=os.path.join(self.home, ".local", "share"),
                   XDG_STATE_HOME=os.path.join(self.home, ".local", "state"),
                   XDG_RUNTIME_DIR=self.root, LANG=lang)
        return env

    def expected_title(self, language_index, file_name="new.dat"):
        name, encoding = ("english.ini", "cp1252") if language_index == 1 else ("chinese.ini", "gbk")
        path = os.path.join(self.program_folder, "language", name)
        title = read_ini_text(path, encoding, "Main", "12000")
        file_label = read_ini_text(path, encoding, "Main", "12009")
        return f"{title}[KORVAN 7X:HAM:28.000 - 29.700 MHz][{file_label}:{file_name}]"

    def write_setup(self, text):
        os.makedirs(os.path.dirname(self.setup_file), exist_ok=True)
        with open(self.setup_file, "w") as f:
            f.write(text)

    def remove(self):
        shutil.rmtree(self.root, ignore_errors=True)
