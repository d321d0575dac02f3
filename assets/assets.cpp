#include "assets.h"

#include <QtCore/qglobal.h>

void init_assets()
{
    // Must stay outside any namespace: the macro declares the registration function globally.
    Q_INIT_RESOURCE(pictures);
}
