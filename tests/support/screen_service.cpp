#include "tests/support/screen_service.h"

#include <QCoreApplication>
#include <QtGlobal>

#include "api/api_configuration.h"

namespace lanterncrest::test {

LoopbackService &screenService()
{
    static LoopbackService *service = [] {
        auto *started = new LoopbackService(QCoreApplication::instance());
        qputenv(ApiConfiguration::baseUrlVariable, started->url().toUtf8());
        return started;
    }();
    return *service;
}

} // namespace lanterncrest::test
