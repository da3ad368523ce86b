#pragma once

#include "ui/valueline/LineTokens.h"

#include <QColor>
#include <QTextEdit>
#include <QTextLayout>

#include <functional>

class QMenu;

namespace varnel {

enum TFontStyle { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
Q_DECLARE_FLAGS(TFontStyles, TFontStyle)
Q_DECLARE_OPERATORS_FOR_FLAGS(TFontStyles)

// A one-line rich text field that colours the tokens of its text: known
// unit symbols and numbers black, quoted text navy, the rest red. The
// colours lie over the text, not in it: they never reach the undo history
// and never move the user's selection.
class TSingleRichEdit : public QTextEdit {
    Q_OBJECT

public:
    static const QColor NavyColour;

    explicit TSingleRichEdit(QWidget* parent = nullptr);

    QString Text() const;
    // A program write: line breaks become blanks. Writing the text the line
    // already holds leaves cursor and undo history alone, but still counts as
    // a change.
    void SetText(const QString& text);
    // Replaces the whole text as an edit of the user's, which Ctrl+Z undoes.
    void ReplaceText(const QString& text);

    // Fills Tokens from the current text; false, after the message "Parsing
    // Error in: ", at a quoted text that is not closed.
    bool Tokenize();
    // Colours the characters [start, start + length); false while busy or
    // for a negative start or length.
    bool ColorRange(int start, int length, TFontStyles style, const QColor& colour);
    // The colour given to the character at a position, or an invalid colour.
    QColor ColorAt(int position) const;

    void SetPopupMenu(QMenu* menu) { popupMenu_ = menu; }
    void SetBackground(const QColor& colour);
    QColor Background() const;

    TTokens Tokens;
    bool Updating = false;
    std::function<void(QObject* sender)> OnChanged;
    // Sees every key press first; true drops the key.
    std::function<bool(QKeyEvent* event)> OnKeyPress;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    void Recolour();
    bool ReadTokens();
    void ShowParsingError();
    void ApplyFormats();
    static QColor ColourOf(const TLineToken& token);

    QList<QTextLayout::FormatRange> formats_;
    QMenu* popupMenu_ = nullptr;
};

} // namespace varnel
