#include "ui/dialog_template_win32.h"

#include <commctrl.h>

#include <cstring>

#include "platform/win32_text_calls.h"

namespace {

// Predefined control classes by atom.
constexpr WORD kButtonAtom = 0x0080;
constexpr WORD kEditAtom = 0x0081;
constexpr WORD kStaticAtom = 0x0082;
constexpr WORD kComboBoxAtom = 0x0085;

class TemplateWriter {
public:
    void Word(WORD value) { Bytes(&value, sizeof value); }
    void Dword(DWORD value) { Bytes(&value, sizeof value); }
    void Short(short value) { Bytes(&value, sizeof value); }
    void Byte(BYTE value) { Bytes(&value, 1); }
    void Text(const std::wstring& text) {
        Bytes(text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    }
    void AlignDword() {
        while (bytes_.size() % 4 != 0) {
            bytes_.push_back(0);
        }
    }
    std::vector<DWORD> Done() {
        AlignDword();
        std::vector<DWORD> words(bytes_.size() / 4);
        std::memcpy(words.data(), bytes_.data(), bytes_.size());
        return words;
    }

private:
    void Bytes(const void* data, size_t size) {
        const auto* p = static_cast<const unsigned char*>(data);
        bytes_.insert(bytes_.end(), p, p + size);
    }
    std::vector<unsigned char> bytes_;
};

DWORD DialogStyle(DialogKind kind) {
    const DWORD font = DS_SETFONT | DS_FIXEDSYS;  // DS_SHELLFONT
    switch (kind) {
        case DialogKind::Modeless:
            // Not clipping its children: a group box paints no inside of its
            // own, so the dialog's background must show through it.
            return WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | font;
        case DialogKind::Child:
            return WS_CHILD | DS_CONTROL | WS_CLIPSIBLINGS | font;
        case DialogKind::Modal:
            return WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | font;
    }
    return font;
}

struct ItemClass {
    WORD atom;             // 0: by name
    const wchar_t* name;
    DWORD style;
    DWORD exStyle;
};

ItemClass ClassOf(const ControlLayout& c) {
    const DWORD notify = (c.style & kNotify) ? SS_NOTIFY : 0;
    const DWORD sunken = (c.style & kSunken) ? SS_SUNKEN : 0;
    const DWORD border = (c.style & kBorder) ? WS_BORDER : 0;
    switch (c.kind) {
        case ControlKind::GroupBox:
            return {kButtonAtom, nullptr, BS_GROUPBOX, 0};
        case ControlKind::Label:
            return {kStaticAtom, nullptr, SS_LEFT, 0};
        case ControlKind::Edit:
            return {kEditAtom, nullptr, ES_AUTOHSCROLL | ES_LEFT | WS_BORDER, 0};
        case ControlKind::CheckBox:
            return {kButtonAtom, nullptr, BS_AUTOCHECKBOX, 0};
        case ControlKind::Radio:
            return {kButtonAtom, nullptr, BS_AUTORADIOBUTTON, 0};
        case ControlKind::PushButton:
            return {kButtonAtom, nullptr, BS_PUSHBUTTON, 0};
        case ControlKind::Picture: {
            // A given size keeps the control's size; none takes the bitmap's.
            const DWORD size = (c.cx != 0 || c.cy != 0) ? (SS_REALSIZECONTROL | SS_CENTERIMAGE) : 0;
            return {kStaticAtom, nullptr, SS_BITMAP | notify | border | size, 0};
        }
        case ControlKind::ListView: {
            DWORD style = border;
            style |= (c.style & kReportView) ? LVS_REPORT : 0;
            style |= (c.style & kSingleSelect) ? LVS_SINGLESEL : 0;
            style |= (c.style & kShowSelection) ? LVS_SHOWSELALWAYS : 0;
            return {0, WC_LISTVIEWW, style, 0};
        }
        case ControlKind::DropDown:
            return {kComboBoxAtom, nullptr, CBS_DROPDOWNLIST | WS_VSCROLL, 0};
        case ControlKind::ColorSwatch:
        case ControlKind::ColorCell:
            return {kStaticAtom, nullptr, SS_OWNERDRAW | notify | sunken, 0};
    }
    return {kStaticAtom, nullptr, 0, 0};
}

}  // namespace

std::wstring WideOf(const ZedChar* text) { return win32_text::Wide(text); }

ZedString ZedOfWide(const std::wstring& text) {
    ZedString out;
    win32_text::FromWide(text, out);
    return out;
}

std::vector<DWORD> BuildDialogTemplate(const DialogLayout& layout) {
    TemplateWriter w;
    w.Word(1);       // dlgVer
    w.Word(0xFFFF);  // signature
    w.Dword(0);      // helpID
    w.Dword(layout.kind == DialogKind::Child ? WS_EX_CONTROLPARENT : 0);
    w.Dword(DialogStyle(layout.kind));
    w.Word(static_cast<WORD>(layout.controls.size()));
    w.Short(0);
    w.Short(0);
    w.Short(layout.cx);
    w.Short(layout.cy);
    w.Word(0);  // no menu
    w.Word(0);  // the dialog class
    w.Text(WideOf(layout.caption));
    w.Word(static_cast<WORD>(layout.pointSize));
    w.Word(FW_NORMAL);
    w.Byte(FALSE);
    w.Byte(DEFAULT_CHARSET);
    w.Text(WideOf(layout.font));
    for (const ControlLayout& c : layout.controls) {
        w.AlignDword();
        const ItemClass itemClass = ClassOf(c);
        DWORD style = WS_CHILD | WS_VISIBLE | itemClass.style;
        style |= (c.style & kGroupStart) ? WS_GROUP : 0;
        style |= (c.style & kTabStop) ? WS_TABSTOP : 0;
        const DWORD exStyle =
            itemClass.exStyle | ((c.kind == ControlKind::Edit || c.kind == ControlKind::ListView) ? WS_EX_CLIENTEDGE : 0);
        w.Dword(0);  // helpID
        w.Dword(exStyle);
        w.Dword(style);
        w.Short(c.x);
        w.Short(c.y);
        w.Short(c.cx);
        w.Short(c.cy);
        w.Dword(static_cast<DWORD>(c.id == 0 ? -1 : c.id));
        if (itemClass.atom != 0) {
            w.Word(0xFFFF);
            w.Word(itemClass.atom);
        } else {
            w.Text(itemClass.name);
        }
        w.Text(WideOf(c.caption));
        w.Word(0);  // no creation data
    }
    return w.Done();
}
