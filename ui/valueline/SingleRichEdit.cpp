#include "ui/valueline/SingleRichEdit.h"

#include "ui/common/ErrorGuard.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/ThemeColours.h"
#include "ui/valueline/UnitSymbols.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace varnel {

namespace {

QString OneLine(QString text) {
    for (QChar& c : text)
        if (c == u'\n' || c == u'\r' || c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            c = u' ';
    return text;
}

bool IsBlackChar(const QString& text) {
    return text.size() == 1 && QStringView(u"*./[]^").contains(text.at(0));
}

} // namespace

const QColor TSingleRichEdit::NavyColour(0, 0, 128);

TSingleRichEdit::TSingleRichEdit(QWidget* parent) : QTextEdit(parent) {
    setAcceptRichText(false);
    setLineWrapMode(QTextEdit::NoWrap);
    setWordWrapMode(QTextOption::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::NoFrame);
    setTabChangesFocus(true);
    document()->setDocumentMargin(1);
    // The selection shows only while the line has the focus.
    QPalette colours = palette();
    colours.setColor(QPalette::Inactive, QPalette::Highlight, Qt::transparent);
    colours.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     colours.color(QPalette::Active, QPalette::Text));
    setPalette(colours);
    // A handler of the change that fails says so here; the line goes on.
    connect(this, &QTextEdit::textChanged, this, ShowingErrors([this] { Recolour(); }));
}

QString TSingleRichEdit::Text() const {
    return toPlainText();
}

void TSingleRichEdit::SetText(const QString& text) {
    const QString line = OneLine(text);
    if (line == Text()) {
        RunShowingErrors([this] { Recolour(); });
        return;
    }
    setPlainText(line);
    moveCursor(QTextCursor::End);
}

void TSingleRichEdit::ReplaceText(const QString& text) {
    QTextCursor cursor = textCursor();
    cursor.select(QTextCursor::Document);
    cursor.insertText(OneLine(text));
    setTextCursor(cursor);
}

QSize TSingleRichEdit::sizeHint() const {
    return {120, fontMetrics().height() + 4};
}

QSize TSingleRichEdit::minimumSizeHint() const {
    return {20, fontMetrics().height() + 2};
}

void TSingleRichEdit::SetBackground(const QColor& colour) {
    QPalette colours = palette();
    if (colours.color(QPalette::Base) == colour)
        return;
    colours.setColor(QPalette::Base, colour);
    setPalette(colours);
    // On a dark palette the token colours follow the background.
    if (IsDarkPalette(colours) && !Updating) {
        formats_.clear();
        for (const TLineToken& token : Tokens)
            ColorRange(token.Position, token.Length, {}, ColourOf(token));
    }
}

QColor TSingleRichEdit::Background() const {
    return palette().color(QPalette::Base);
}

bool TSingleRichEdit::Tokenize() {
    if (ReadTokens())
        return true;
    ShowParsingError();
    return false;
}

bool TSingleRichEdit::ReadTokens() {
    Tokens.clear();
    const QString text = Text();
    return text.trimmed().isEmpty() || ReadLineTokens(text, Tokens);
}

void TSingleRichEdit::ShowParsingError() {
    ShowInfoMessage("Parsing Error in: " + Text());
}

QColor TSingleRichEdit::ColourOf(const TLineToken& token) {
    switch (token.Kind) {
    case TLineTokenKind::Word:
        return IsUnitSymbol(token.Text) ? Qt::black : Qt::red;
    case TLineTokenKind::Integer:
    case TLineTokenKind::Number:
    case TLineTokenKind::Hex:
        return Qt::black;
    case TLineTokenKind::Quoted:
        return NavyColour;
    case TLineTokenKind::Char:
        return IsBlackChar(token.Text) ? Qt::black : Qt::red;
    }
    return Qt::red;
}

void TSingleRichEdit::Recolour() {
    if (Updating)
        return;
    formats_.clear();
    ApplyFormats();
    // The tokens before an unclosed quote are coloured before the message
    // shows, and the change is passed on all the same.
    const bool read = ReadTokens();
    for (const TLineToken& token : Tokens)
        ColorRange(token.Position, token.Length, {}, ColourOf(token));
    if (!read)
        ShowParsingError();
    if (OnChanged && !Updating)
        OnChanged(this);
}

bool TSingleRichEdit::ColorRange(int start, int length, TFontStyles style, const QColor& colour) {
    if (Updating)
        return false;
    if (start < 0 || length < 0)
        return false;
    Updating = true;
    QTextCharFormat format;
    format.setForeground(ThemedText(palette(), colour, Background()));
    format.setFontFamilies(font().families());
    if (font().pixelSize() > 0)
        format.setProperty(QTextFormat::FontPixelSize, font().pixelSize());
    else
        format.setFontPointSize(font().pointSizeF());
    format.setFontWeight(style.testFlag(fsBold) ? QFont::Bold : QFont::Normal);
    format.setFontItalic(style.testFlag(fsItalic));
    format.setFontUnderline(style.testFlag(fsUnderline));
    format.setFontStrikeOut(style.testFlag(fsStrikeOut));
    formats_.append({start, length, format});
    ApplyFormats();
    Updating = false;
    return true;
}

void TSingleRichEdit::ApplyFormats() {
    const QTextBlock block = document()->firstBlock();
    if (!block.isValid() || !block.layout())
        return;
    block.layout()->setFormats(formats_);
    document()->markContentsDirty(block.position(), block.length());
}

QColor TSingleRichEdit::ColorAt(int position) const {
    QColor colour;
    const QTextBlock block = document()->firstBlock();
    if (!block.isValid() || !block.layout())
        return colour;
    for (const QTextLayout::FormatRange& range : block.layout()->formats())
        if (position >= range.start && position < range.start + range.length)
            colour = range.format.foreground().color();
    return colour;
}

void TSingleRichEdit::keyPressEvent(QKeyEvent* event) {
    if (OnKeyPress && OnKeyPress(event)) {
        event->accept();
        return;
    }
    // One line: a line break is never typed in.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QTextEdit::keyPressEvent(event);
}

void TSingleRichEdit::contextMenuEvent(QContextMenuEvent* event) {
    if (!popupMenu_) {
        QTextEdit::contextMenuEvent(event);
        return;
    }
    popupMenu_->popup(event->globalPos());
    event->accept();
}

bool TSingleRichEdit::canInsertFromMimeData(const QMimeData* source) const {
    return source->hasText();
}

void TSingleRichEdit::insertFromMimeData(const QMimeData* source) {
    if (source->hasText())
        textCursor().insertText(OneLine(source->text()));
}

} // namespace varnel
