#pragma once

#include <QApplication>

namespace varnel {

// The converter's application object: an error that escapes an event
// handler is shown as an error message and the window stays usable.
class TVarnelApplication : public QApplication {
    Q_OBJECT

public:
    TVarnelApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

// The message shown for an error that reached the event loop.
QString ErrorMessageOf(const std::exception& error);

} // namespace varnel
