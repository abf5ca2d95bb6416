#include "DialogTemplateBuilder.h"

#include <charconv>
#include <cstring>
#include <string>

namespace {

// The predefined control classes go by their atoms, the common controls by their class names.
constexpr WORD kButtonAtom = 0x0080;
constexpr WORD kEditAtom = 0x0081;
constexpr WORD kStaticAtom = 0x0082;
constexpr WORD kOrdinalMarker = 0xFFFF;

// The template is built as 16-bit words; items start on 32-bit boundaries.
class TemplateWriter {
public:
    void Word(WORD value) { m_words.push_back(value); }
    void Dword(DWORD value) {
        Word(static_cast<WORD>(value & 0xFFFF));
        Word(static_cast<WORD>(value >> 16));
    }
    void Short(short value) { Word(static_cast<WORD>(value)); }
    // Text in the ANSI code page, as every text of the program is.
    void Text(std::string_view text) {
        if (!text.empty()) {
            const int length = MultiByteToWideChar(CP_ACP, 0, text.data(),
                                                   static_cast<int>(text.size()), nullptr, 0);
            std::wstring wide(static_cast<std::size_t>(length), L'\0');
            MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                                length);
            for (const wchar_t c : wide) {
                Word(static_cast<WORD>(c));
            }
        }
        Word(0);
    }
    void Ordinal(WORD value) {
        Word(kOrdinalMarker);
        Word(value);
    }
    void AlignToDword() {
        if (m_words.size() % 2 != 0) {
            Word(0);
        }
    }
    std::vector<DWORD> Bytes() const {
        std::vector<DWORD> bytes((m_words.size() + 1) / 2, 0);
        std::memcpy(bytes.data(), m_words.data(), m_words.size() * sizeof(WORD));
        return bytes;
    }

private:
    std::vector<WORD> m_words;
};

WORD IconIdOf(std::string_view text) {
    WORD id = 0;
    std::from_chars(text.data(), text.data() + text.size(), id);
    return id;
}

void WriteClass(TemplateWriter& out, ControlClass controlClass) {
    switch (controlClass) {
    case ControlClass::Edit:
        out.Ordinal(kEditAtom);
        break;
    case ControlClass::Button:
        out.Ordinal(kButtonAtom);
        break;
    case ControlClass::Static:
        out.Ordinal(kStaticAtom);
        break;
    case ControlClass::ListView:
        out.Text(WC_LISTVIEWA);
        break;
    case ControlClass::MonthCalendar:
        out.Text(MONTHCAL_CLASSA);
        break;
    }
}

// An icon static names its icon resource by number.
void WriteControlText(TemplateWriter& out, const ControlTemplate& control) {
    if (control.controlClass == ControlClass::Static && (control.style & SS_TYPEMASK) == SS_ICON) {
        out.Ordinal(IconIdOf(control.text));
    } else {
        out.Text(control.text);
    }
}

void WriteExtendedControl(TemplateWriter& out, const ControlTemplate& control) {
    out.AlignToDword();
    out.Dword(0); // help id
    out.Dword(0); // extended style
    out.Dword(control.style);
    out.Short(control.x);
    out.Short(control.y);
    out.Short(control.cx);
    out.Short(control.cy);
    out.Dword(static_cast<DWORD>(control.id));
    WriteClass(out, control.controlClass);
    WriteControlText(out, control);
    out.Word(0); // no creation data
}

void WriteClassicControl(TemplateWriter& out, const ControlTemplate& control) {
    out.AlignToDword();
    out.Dword(control.style);
    out.Dword(0); // extended style
    out.Short(control.x);
    out.Short(control.y);
    out.Short(control.cx);
    out.Short(control.cy);
    out.Word(static_cast<WORD>(control.id));
    WriteClass(out, control.controlClass);
    WriteControlText(out, control);
    out.Word(0); // no creation data
}

} // namespace

std::vector<DWORD> BuildDialogTemplate(const DialogTemplate& dialog) {
    TemplateWriter out;
    const auto count = static_cast<WORD>(dialog.controls.size());
    if (dialog.extended) {
        out.Word(1);      // version
        out.Word(0xFFFF); // the extended template's signature
        out.Dword(0);     // help id
        out.Dword(dialog.exStyle);
        out.Dword(dialog.style);
    } else {
        out.Dword(dialog.style);
        out.Dword(dialog.exStyle);
    }
    out.Word(count);
    out.Short(0);
    out.Short(0);
    out.Short(dialog.cx);
    out.Short(dialog.cy);
    out.Word(0); // no menu
    out.Word(0); // the dialog class
    out.Text(dialog.caption);
    if ((dialog.style & DS_SETFONT) != 0) {
        out.Word(dialog.pointSize);
        if (dialog.extended) {
            out.Word(FW_NORMAL);
            out.Word(0); // not italic; the default character set
        }
        out.Text(dialog.fontName);
    }
    for (const ControlTemplate& control : dialog.controls) {
        if (dialog.extended) {
            WriteExtendedControl(out, control);
        } else {
            WriteClassicControl(out, control);
        }
    }
    return out.Bytes();
}
