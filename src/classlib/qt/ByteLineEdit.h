// A single-line edit that hands back exactly the bytes it was given, unless the person has
// edited it since.
#pragma once

#include <QLineEdit>
#include <string>

class ByteLineEdit : public QLineEdit {
public:
    // A line edit lays out and paints its whole text at every key, so it shows no more than
    // this of a longer value.
    static constexpr std::size_t kShownBytes = 16 * 1024;

    explicit ByteLineEdit(QWidget* parent);

    // Read-only whatever it holds, as its template says.
    void MakeReadOnly();

    // A value longer than kShownBytes shows only its beginning and cannot be edited, so that no
    // edit can cut it short; the whole value is still what Bytes() gives.
    void SetBytes(const std::string& bytes);
    std::string Bytes() const;

private:
    std::string m_bytes;
    bool m_readOnlyByTemplate = false;
    bool m_edited = false;
};
