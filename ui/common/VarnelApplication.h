#pragma once

#include <QApplication>

namespace varnel {

// The converter's application object: an error that escapes an event
// handler is shown as an error message and the window stays usable. Handlers
// connected to signals catch their errors themselves (ErrorGuard.h); this is
// the last resort for errors raised in event functions.
class TVarnelApplication : public QApplication {
    Q_OBJECT

public:
    TVarnelApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace varnel
