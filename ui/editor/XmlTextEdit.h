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
    // Whether the text was changed in any other way since SetText.
    bool Edited() const { return edited_; }
    void SetEdited(bool edited) { edited_ = edited; }
    // The x position of the margin line in the viewport.
    int MarginX() const;

signals:
    // The text was changed other than by SetText.
    void TextEdited();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TXmlHighlighter* highlighter_;
    bool settingText_ = false;
    bool edited_ = false;
};

} // namespace varnel
