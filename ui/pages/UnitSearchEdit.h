#pragma once

#include <QLineEdit>

#include <string>

namespace varnel {

// The search field above a category tree: it tells the word as the user
// types, folded for comparison, and asks for the match on Enter. Down moves
// on into the list it searches.
class TUnitSearchEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit TUnitSearchEdit(QWidget* parent = nullptr);

    // The typed word, folded as units are compared; empty for no search.
    const std::string& Word() const { return word_; }
    void SetList(QWidget* list) { list_ = list; }

signals:
    void WordChanged();
    void MatchRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::string word_;
    QWidget* list_ = nullptr;
};

} // namespace varnel
