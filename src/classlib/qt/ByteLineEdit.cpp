#include "ByteLineEdit.h"

#include "TextConversion.h"

#include <limits>

ByteLineEdit::ByteLineEdit(QWidget* parent) : QLineEdit(parent) {
    setMaxLength(std::numeric_limits<int>::max());
}

void ByteLineEdit::SetBytes(const std::string& bytes) {
    m_bytes = bytes;
    setText(ToQString(bytes)); // also clears the modified flag
    setCursorPosition(0);
}

std::string ByteLineEdit::Bytes() const { return isModified() ? FromQString(text()) : m_bytes; }
