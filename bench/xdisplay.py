"""Reads an X display in-process through libX11, so that a poll costs a round
trip to the server instead of starting a program: the benchmark's clocks then
measure the programs under test, not the measuring tools."""

import ctypes
import ctypes.util

_x11 = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
_xtst = ctypes.CDLL(ctypes.util.find_library("Xtst") or "libXtst.so.6")

_Window = ctypes.c_ulong
_IS_VIEWABLE = 2
_Z_PIXMAP = 2
_ALL_PLANES = ctypes.c_ulong(0xFFFFFFFF)


class _Image(ctypes.Structure):
    # The leading fields of Xlib's XImage; the rest is not read.
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.c_void_p), ("byte_order", ctypes.c_int),
                ("bitmap_unit", ctypes.c_int), ("bitmap_bit_order", ctypes.c_int),
                ("bitmap_pad", ctypes.c_int), ("depth", ctypes.c_int),
                ("bytes_per_line", ctypes.c_int), ("bits_per_pixel", ctypes.c_int)]


class _Attributes(ctypes.Structure):
    _fields_ = [("x", ctypes.c_int), ("y", ctypes.c_int), ("width", ctypes.c_int),
                ("height", ctypes.c_int), ("border_width", ctypes.c_int), ("depth", ctypes.c_int),
                ("visual", ctypes.c_void_p), ("root", _Window), ("class_", ctypes.c_int),
                ("bit_gravity", ctypes.c_int), ("win_gravity", ctypes.c_int),
                ("backing_store", ctypes.c_int), ("backing_planes", ctypes.c_ulong),
                ("backing_pixel", ctypes.c_ulong), ("save_under", ctypes.c_int),
                ("colormap", ctypes.c_ulong), ("map_installed", ctypes.c_int),
                ("map_state", ctypes.c_int), ("all_event_masks", ctypes.c_long),
                ("your_event_mask", ctypes.c_long), ("do_not_propagate_mask", ctypes.c_long),
                ("override_redirect", ctypes.c_int), ("screen", ctypes.c_void_p)]


_x11.XOpenDisplay.restype = ctypes.c_void_p
_x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
_x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
_x11.XDefaultRootWindow.restype = _Window
_x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
_x11.XGetImage.restype = ctypes.POINTER(_Image)
_x11.XGetImage.argtypes = [ctypes.c_void_p, _Window, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                           ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
_x11.XDestroyImage.argtypes = [ctypes.POINTER(_Image)]
_x11.XQueryTree.argtypes = [ctypes.c_void_p, _Window, ctypes.POINTER(_Window),
                            ctypes.POINTER(_Window), ctypes.POINTER(ctypes.POINTER(_Window)),
                            ctypes.POINTER(ctypes.c_uint)]
_x11.XFetchName.argtypes = [ctypes.c_void_p, _Window, ctypes.POINTER(ctypes.c_char_p)]
_x11.XGetWindowAttributes.argtypes = [ctypes.c_void_p, _Window, ctypes.POINTER(_Attributes)]
_x11.XFree.argtypes = [ctypes.c_void_p]
_x11.XFlush.argtypes = [ctypes.c_void_p]
_x11.XKeysymToKeycode.restype = ctypes.c_ubyte
_x11.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
_xtst.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]

# A window can vanish between listing and reading it; Xlib's default handler
# would end the benchmark for that.
_ERROR_HANDLER = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)(lambda d, e: 0)
_x11.XSetErrorHandler(_ERROR_HANDLER)


class Display:
    def __init__(self, name):
        self._dpy = _x11.XOpenDisplay(name.encode())
        if not self._dpy:
            raise RuntimeError(f"cannot open display {name}")
        self._root = _x11.XDefaultRootWindow(self._dpy)

    def close(self):
        if self._dpy:
            _x11.XCloseDisplay(self._dpy)
            self._dpy = None

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()

    def _children(self, window):
        root, parent = _Window(), _Window()
        children = ctypes.POINTER(_Window)()
        count = ctypes.c_uint()
        if not _x11.XQueryTree(self._dpy, window, ctypes.byref(root), ctypes.byref(parent),
                               ctypes.byref(children), ctypes.byref(count)):
            return []
        out = [children[i] for i in range(count.value)]
        if children:
            _x11.XFree(children)
        return out

    def _name(self, window):
        name = ctypes.c_char_p()
        if not _x11.XFetchName(self._dpy, window, ctypes.byref(name)) or not name.value:
            return None
        value = name.value.decode("utf-8", "replace")
        _x11.XFree(name)
        return value

    def _viewable(self, window):
        attributes = _Attributes()
        return (_x11.XGetWindowAttributes(self._dpy, window, ctypes.byref(attributes)) and
                attributes.map_state == _IS_VIEWABLE)

    def viewable_window(self, title):
        """A viewable window named exactly `title`, or None."""
        pending = [self._root]
        while pending:
            window = pending.pop()
            if self._viewable(window):
                if self._name(window) == title:
                    return window
                pending.extend(self._children(window))
        return None

    def tap(self, keysym):
        """Presses and releases a key through XTEST, as xdotool does, but
        without the tool's start-up inside the caller's clock."""
        code = _x11.XKeysymToKeycode(self._dpy, keysym)
        _xtst.XTestFakeKeyEvent(self._dpy, code, 1, 0)
        _xtst.XTestFakeKeyEvent(self._dpy, code, 0, 0)
        _x11.XFlush(self._dpy)

    def has_colour(self, x, y, width, height, rgb):
        """Whether the screen shows the colour (r, g, b) anywhere in the area."""
        image = _x11.XGetImage(self._dpy, self._root, x, y, width, height, _ALL_PLANES, _Z_PIXMAP)
        if not image:
            return False
        try:
            img = image.contents
            if img.bits_per_pixel != 32:
                raise RuntimeError(f"{img.bits_per_pixel} bits per pixel are not handled")
            row_bytes = img.bytes_per_line
            data = ctypes.string_at(img.data, row_bytes * img.height)
        finally:
            _x11.XDestroyImage(image)
        wanted = (rgb[0] << 16) | (rgb[1] << 8) | rgb[2]
        for row in range(height):
            pixels = memoryview(data[row * row_bytes:row * row_bytes + width * 4]).cast("I")
            if any((p & 0xFFFFFF) == wanted for p in pixels):
                return True
        return False
