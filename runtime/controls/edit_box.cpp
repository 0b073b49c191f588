#include <windows.h>

#include <commctrl.h>

#include <memory>

#include "runtime/controls/controls.h"
#include "runtime/controls/integer_input.h"
#include "runtime/system/handles.h"
#include "runtime/text/cp936.h"

namespace rt {

namespace {

constexpr UINT_PTR EditSubclassId = 1;

struct EditState {
    EditMode mode;
    bool singleLine;
    UniqueFont ownFont;
    // The frame bands above and below the centred text line, in window
    // coordinates, as the last WM_NCCALCSIZE laid them out.
    RECT upperBand{};
    RECT lowerBand{};
};

int LineHeight(HWND edit) {
    WindowDc dc(edit);
    SelectedObject font(dc.Get(), reinterpret_cast<HGDIOBJ>(SendMessageW(edit, WM_GETFONT, 0, 0)));
    SIZE extent{};
    GetTextExtentPoint32W(dc.Get(), L"W", 1, &extent);
    return extent.cy;
}

// Narrows the client area of a single-line box to one text line in the middle
// of its inner area; the bands left over become part of the frame, so the
// edit control neither draws nor places the caret there.
void CentreTextLine(HWND edit, EditState& state, RECT& client) {
    const int inner = client.bottom - client.top;
    const int line = LineHeight(edit);
    if (line <= 0 || line >= inner) {
        state.upperBand = state.lowerBand = RECT{};
        return;
    }
    RECT window;
    GetWindowRect(edit, &window);
    MapWindowPoints(HWND_DESKTOP, GetParent(edit), reinterpret_cast<POINT*>(&window), 2);
    const RECT innerRect = client;
    client.top += (inner - line) / 2;
    client.bottom = client.top + line;
    const auto toWindow = [&](RECT r) {
        OffsetRect(&r, -window.left, -window.top);
        return r;
    };
    state.upperBand = toWindow({innerRect.left, innerRect.top, innerRect.right, client.top});
    state.lowerBand = toWindow({innerRect.left, client.bottom, innerRect.right, innerRect.bottom});
}

void PaintBands(HWND edit, const EditState& state) {
    HDC dc = GetWindowDC(edit);
    if (dc == nullptr) {
        return;
    }
    // The parent decides the box's colours; asking it keeps the bands the same
    // colour as the text line between them.
    auto brush = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(edit), WM_CTLCOLOREDIT,
                                                       reinterpret_cast<WPARAM>(dc),
                                                       reinterpret_cast<LPARAM>(edit)));
    if (brush == nullptr) {
        brush = GetSysColorBrush(COLOR_WINDOW);
    }
    FillRect(dc, &state.upperBand, brush);
    FillRect(dc, &state.lowerBand, brush);
    ReleaseDC(edit, dc);
}

void NormaliseText(HWND edit) {
    const std::string text = WindowText(edit);
    const std::string normalised = NormaliseIntegerText(text);
    if (normalised == text) {
        return;
    }
    DWORD start = 0;
    DWORD caret = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&caret));
    SetWindowTextW(edit, WideFromText(normalised).c_str());
    const auto position = static_cast<WPARAM>(CaretAfterNormalise(caret, normalised.size()));
    SendMessageW(edit, EM_SETSEL, position, static_cast<LPARAM>(position));
}

LRESULT CALLBACK EditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                          DWORD_PTR data) {
    auto* state = reinterpret_cast<EditState*>(data);
    switch (message) {
    case WM_CHAR:
        if (state->mode == EditMode::Integer && !AcceptsTypedChar(static_cast<unsigned>(wParam))) {
            return 0;
        }
        break;
    case WM_KILLFOCUS: {
        const LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
        if (state->mode == EditMode::Integer) {
            NormaliseText(edit);
        }
        return result;
    }
    case WM_NCCALCSIZE: {
        const LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
        if (state->singleLine) {
            RECT& client = wParam ? reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0]
                                  : *reinterpret_cast<RECT*>(lParam);
            CentreTextLine(edit, *state, client);
        }
        return result;
    }
    case WM_NCPAINT: {
        const LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
        if (state->singleLine) {
            PaintBands(edit, *state);
        }
        return result;
    }
    case WM_NCLBUTTONDOWN:
        // A click on a band focuses the box but leaves the caret where it was.
        if (state->singleLine && wParam == HTBORDER) {
            SetFocus(edit);
            return 0;
        }
        break;
    case WM_NCDESTROY: {
        const std::unique_ptr<EditState> owned(state);
        RemoveWindowSubclass(edit, EditProc, EditSubclassId);
        return DefSubclassProc(edit, message, wParam, lParam);
    }
    default:
        break;
    }
    return DefSubclassProc(edit, message, wParam, lParam);
}

UniqueFont CreateOwnFont(int characterHeight) {
    // No face name: the system picks its default face for these attributes.
    return UniqueFont(CreateFontW(-characterHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                  DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                  DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L""));
}

} // namespace

HWND CreateEditBox(HWND parent, const ControlData& data) {
    DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_LEFT;
    style |= data.multiline ? ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL : ES_AUTOHSCROLL;
    const Geometry& g = data.geometry;
    HWND edit = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", data.text, style, g.left, g.top, g.width,
                                g.height, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (edit == nullptr) {
        return nullptr;
    }
    auto state = std::make_unique<EditState>();
    state->mode = data.editMode;
    state->singleLine = !data.multiline;
    if (data.fontHeight != 0) {
        state->ownFont = CreateOwnFont(data.fontHeight);
    }
    HFONT font = state->ownFont ? state->ownFont.get() : GuiFont();
    SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    // The default limit of about 30000 characters would cut a pasted text short.
    SendMessageW(edit, EM_SETLIMITTEXT, 0, 0);
    SetWindowSubclass(edit, EditProc, EditSubclassId, reinterpret_cast<DWORD_PTR>(state.release()));
    // The frame is laid out again now that the font, and so the line height, is known.
    SetWindowPos(edit, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    return edit;
}

} // namespace rt
