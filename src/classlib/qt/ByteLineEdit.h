// A single-line edit that hands back exactly the bytes it was given, unless the person has
// edited it since.
#pragma once

#include <QLineEdit>
#include <string>

class ByteLineEdit : public QLineEdit {
public:
    explicit ByteLineEdit(QWidget* parent);

    void SetBytes(const std::string& bytes);
    std::string Bytes() const;

private:
    std::string m_bytes;
};
