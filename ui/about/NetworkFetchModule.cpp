// The entry point of the fetch module: the program loads the module and asks
// it for a fetch only when an update check runs.
#include "ui/about/NetworkFetch.h"

extern "C" Q_DECL_EXPORT varnel::TDescriptionFetch* VarnelNewNetworkFetch(QObject* parent) {
    return new varnel::TNetworkFetch(parent);
}
