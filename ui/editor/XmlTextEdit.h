#pragma once

#include <QPlainTextEdit>

namespace varnel {

class TXmlHighlighter;

// The XML text page: the units data as text, coloured, in a fixed-width font
// with a margin line at column 255.
class TXmlTextEdit : public QPlainTextEdit {
    Q_OBJECT

public:
    static constexpr int MarginColumn = 255;

    explicit TXmlTextEdit(QWidget* parent = nullptr);

    // Replaces the text; the text then counts as unedited.
    void SetText(const QString& text);
    bool Edited() const;
    // The x position of the margin line in the viewport.
    int MarginX() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TXmlHighlighter* highlighter_;
};

} // namespace varnel
