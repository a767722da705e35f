"""Just enough of Xlib (through ctypes) to find a program's windows by title, ask a window to
close as its close button would, and click into a window. Used by the desktop smoke test and
the start-up benchmark; needs libX11 and libXtst, both present wherever Xvfb runs."""

import ctypes
import ctypes.util
import os

_x11 = ctypes.cdll.LoadLibrary(ctypes.util.find_library("X11") or "libX11.so.6")
try:
    _xtst = ctypes.cdll.LoadLibrary(ctypes.util.find_library("Xtst") or "libXtst.so.6")
except OSError:
    _xtst = None

Window = ctypes.c_ulong
Atom = ctypes.c_ulong

_x11.XOpenDisplay.restype = ctypes.c_void_p
_x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
_x11.XDefaultRootWindow.restype = Window
_x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
_x11.XInternAtom.restype = Atom
_x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
_x11.XQueryTree.argtypes = [ctypes.c_void_p, Window, ctypes.POINTER(Window),
                            ctypes.POINTER(Window), ctypes.POINTER(ctypes.POINTER(Window)),
                            ctypes.POINTER(ctypes.c_uint)]
_x11.XFree.argtypes = [ctypes.c_void_p]
_x11.XGetWindowProperty.argtypes = [
    ctypes.c_void_p, Window, Atom, ctypes.c_long, ctypes.c_long, ctypes.c_int, Atom,
    ctypes.POINTER(Atom), ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_ulong),
    ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_void_p)]
_x11.XSendEvent.argtypes = [ctypes.c_void_p, Window, ctypes.c_int, ctypes.c_long, ctypes.c_void_p]
_x11.XFlush.argtypes = [ctypes.c_void_p]
_x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
_x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
_x11.XSetErrorHandler.restype = ctypes.c_void_p


class _WindowAttributes(ctypes.Structure):
    _fields_ = [("x", ctypes.c_int), ("y", ctypes.c_int), ("width", ctypes.c_int),
                ("height", ctypes.c_int), ("border_width", ctypes.c_int), ("depth", ctypes.c_int),
                ("visual", ctypes.c_void_p), ("root", Window), ("c_class", ctypes.c_int),
                ("bit_gravity", ctypes.c_int), ("win_gravity", ctypes.c_int),
                ("backing_store", ctypes.c_int), ("backing_planes", ctypes.c_ulong),
                ("backing_pixel", ctypes.c_ulong), ("save_under", ctypes.c_int),
                ("colormap", ctypes.c_ulong), ("map_installed", ctypes.c_int),
                ("map_state", ctypes.c_int), ("all_event_masks", ctypes.c_long),
                ("your_event_mask", ctypes.c_long), ("do_not_propagate_mask", ctypes.c_long),
                ("override_redirect", ctypes.c_int), ("screen", ctypes.c_void_p)]


_x11.XGetWindowAttributes.argtypes = [ctypes.c_void_p, Window,
                                      ctypes.POINTER(_WindowAttributes)]
_x11.XTranslateCoordinates.argtypes = [
    ctypes.c_void_p, Window, Window, ctypes.c_int, ctypes.c_int, ctypes.POINTER(ctypes.c_int),
    ctypes.POINTER(ctypes.c_int), ctypes.POINTER(Window)]


class _ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", Window), ("message_type", Atom),
                ("format", ctypes.c_int), ("data", ctypes.c_long * 5)]


class _XEvent(ctypes.Union):
    _fields_ = [("client", _ClientMessage), ("pad", ctypes.c_long * 24)]


_IS_VIEWABLE = 2
_CLIENT_MESSAGE = 33

# Windows vanish while we look at them; errors about them are expected and harmless.
_ERROR_HANDLER = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)(lambda d, e: 0)
_x11.XSetErrorHandler(_ERROR_HANDLER)


class Display:
    def __init__(self, name=None):
        name = name or os.environ.get("DISPLAY")
        self.d = _x11.XOpenDisplay(name.encode() if name else None)
        if not self.d:
            raise RuntimeError(f"cannot open display {name!r}")
        self.root = _x11.XDefaultRootWindow(self.d)
        self._utf8 = _x11.XInternAtom(self.d, b"UTF8_STRING", 0)
        self._net_name = _x11.XInternAtom(self.d, b"_NET_WM_NAME", 0)
        self._wm_name = _x11.XInternAtom(self.d, b"WM_NAME", 0)
        self._protocols = _x11.XInternAtom(self.d, b"WM_PROTOCOLS", 0)
        self._delete = _x11.XInternAtom(self.d, b"WM_DELETE_WINDOW", 0)

    def close(self):
        if self.d:
            _x11.XCloseDisplay(self.d)
            self.d = None

    def _children(self, window):
        root, parent = Window(), Window()
        children = ctypes.POINTER(Window)()
        count = ctypes.c_uint()
        if not _x11.XQueryTree(self.d, window, ctypes.byref(root), ctypes.byref(parent),
                               ctypes.byref(children), ctypes.byref(count)):
            return []
        result = [children[i] for i in range(count.value)]
        if children:
            _x11.XFree(children)
        return result

    def _property_text(self, window, atom):
        actual, fmt = Atom(), ctypes.c_int()
        items, after = ctypes.c_ulong(), ctypes.c_ulong()
        data = ctypes.c_void_p()
        if _x11.XGetWindowProperty(self.d, window, atom, 0, 4096, 0, 0, ctypes.byref(actual),
                                   ctypes.byref(fmt), ctypes.byref(items), ctypes.byref(after),
                                   ctypes.byref(data)) != 0 or not data.value:
            return None
        try:
            if fmt.value != 8:
                return None
            raw = ctypes.string_at(data.value, items.value)
            return raw.decode("utf-8", errors="replace")
        finally:
            _x11.XFree(data)

    def title(self, window):
        text = self._property_text(window, self._net_name)
        return text if text is not None else self._property_text(window, self._wm_name)

    def viewable(self, window):
        attrs = _WindowAttributes()
        if not _x11.XGetWindowAttributes(self.d, window, ctypes.byref(attrs)):
            return False
        return attrs.map_state == _IS_VIEWABLE

    def geometry(self, window):
        attrs = _WindowAttributes()
        if not _x11.XGetWindowAttributes(self.d, window, ctypes.byref(attrs)):
            return None
        x, y, child = ctypes.c_int(), ctypes.c_int(), Window()
        _x11.XTranslateCoordinates(self.d, window, self.root, 0, 0, ctypes.byref(x),
                                   ctypes.byref(y), ctypes.byref(child))
        return x.value, y.value, attrs.width, attrs.height

    def windows(self):
        """Every viewable window below the root with its title: [(id, title)]."""
        found = []
        stack = [self.root]
        while stack:
            w = stack.pop()
            for child in self._children(w):
                if self.viewable(child):
                    found.append((child, self.title(child)))
                    stack.append(child)
        return found

    def send_close(self, window):
        """What a window manager sends when the user clicks the close button."""
        event = _XEvent()
        event.client.type = _CLIENT_MESSAGE
        event.client.window = window
        event.client.message_type = self._protocols
        event.client.format = 32
        event.client.data[0] = self._delete
        event.client.data[1] = 0  # CurrentTime
        _x11.XSendEvent(self.d, window, 0, 0, ctypes.byref(event))
        _x11.XFlush(self.d)

    def click(self, x, y):
        """A left click at screen position (x, y)."""
        if _xtst is None:
            raise RuntimeError("libXtst is not available")
        _xtst.XTestFakeMotionEvent(ctypes.c_void_p(self.d), -1, x, y, 0)
        _xtst.XTestFakeButtonEvent(ctypes.c_void_p(self.d), 1, 1, 0)
        _xtst.XTestFakeButtonEvent(ctypes.c_void_p(self.d), 1, 0, 0)
        _x11.XFlush(self.d)


class _XImage(ctypes.Structure):
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.c_void_p),
                ("byte_order", ctypes.c_int), ("bitmap_unit", ctypes.c_int),
                ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int),
                ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int),
                ("bits_per_pixel", ctypes.c_int)]


_x11.XGetImage.restype = ctypes.POINTER(_XImage)
_x11.XGetImage.argtypes = [ctypes.c_void_p, Window, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                           ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]


def screenshot(display, path, window=None):
    """Writes a PNG of a window (default: the whole screen) for a person to look at."""
    import struct
    import zlib
    window = window or display.root
    geometry = display.geometry(window)
    if not geometry:
        return False
    _, _, width, height = geometry
    image = _x11.XGetImage(display.d, window, 0, 0, width, height, 0xFFFFFFFF, 2)
    if not image:
        return False
    img = image.contents
    stride = img.bytes_per_line
    raw = ctypes.string_at(img.data, stride * height)
    rows = []
    for y in range(height):
        line = raw[y * stride:y * stride + width * 4]
        rgb = bytearray(width * 3)
        rgb[0::3] = line[2::4]
        rgb[1::3] = line[1::4]
        rgb[2::3] = line[0::4]
        rows.append(b"\x00" + bytes(rgb))
    _x11.XFree(ctypes.c_void_p(img.data))
    _x11.XFree(image)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(b"".join(rows), 6)) + chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(png)
    return True
