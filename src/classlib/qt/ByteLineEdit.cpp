#include "ByteLineEdit.h"

#include "TextConversion.h"

#include <QValidator>
#include <limits>

namespace {

// What the person types or pastes keeps to one line, as in a single-line edit: its line breaks
// are dropped, and so are Ctrl-Z characters, which would end share.dat where they stand when
// it is read again. Text set by the program is not validated, so loaded bytes stay as they are.
class SingleLineValidator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& position) const override {
        for (qsizetype at = input.size(); at-- > 0;) {
            const QChar c = input[at];
            if (c == u'\n' || c == u'\r' || c == u'\x1A') {
                input.remove(at, 1);
                if (at < position) {
                    --position;
                }
            }
        }
        return Acceptable;
    }
};

} // namespace

ByteLineEdit::ByteLineEdit(QWidget* parent) : QLineEdit(parent) {
    setMaxLength(std::numeric_limits<int>::max());
    setValidator(new SingleLineValidator(this));
    // Qt's own modified flag is cleared when the validator changes a paste.
    connect(this, &QLineEdit::textEdited, this, [this] { m_edited = true; });
}

void ByteLineEdit::MakeReadOnly() {
    m_readOnlyByTemplate = true;
    setReadOnly(true);
}

void ByteLineEdit::SetBytes(const std::string& bytes) {
    m_bytes = bytes;
    m_edited = false;
    const bool cutShort = bytes.size() > kShownBytes;
    setReadOnly(m_readOnlyByTemplate || cutShort);
    setText(ToQString(cutShort ? bytes.substr(0, kShownBytes) : bytes));
    setCursorPosition(0);
}

std::string ByteLineEdit::Bytes() const { return m_edited ? FromQString(text()) : m_bytes; }
