#include "serversettingsupdate.h"

#include "workers/getserversettingsworker.h"

#include <QThreadPool>

void startServerSettingsUpdate(Settings *settings)
{
    QThreadPool::globalInstance()->start(new GetServerSettingsWorker(settings));
}
