#include "tests/api/api_client_fixture.h"

#include "api/api_configuration.h"
#include "api/token_store.h"
#include "platform/foundation/user_defaults.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace lanterncrest::test {

namespace {

const QDateTime fixedNow(QDate(2026, 3, 14), QTime(9, 26, 53));

struct ApiServiceEnvironment : ::testing::Environment {
    void SetUp() override
    {
        service = std::make_unique<LoopbackService>();
        qputenv(ApiConfiguration::baseUrlVariable, service->url().toUtf8());
    }
    void TearDown() override { service.reset(); }

    std::unique_ptr<LoopbackService> service;
};

ApiServiceEnvironment* const environment =
    static_cast<ApiServiceEnvironment*>(::testing::AddGlobalTestEnvironment(new ApiServiceEnvironment));

QString documents()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

} // namespace

LoopbackService& apiService()
{
    return *environment->service;
}

void ApiClientTest::SetUp()
{
    apiService().reopen();
    apiService().reset();
    UserDefaults::standard().removeObject(authorizationDataKey);
    QDir(documents()).removeRecursively();
    m_console.emplace();
    m_previousClock = Logger::setClock([] { return fixedNow; });
}

void ApiClientTest::TearDown()
{
    m_console.reset();
    Logger::setClock(std::move(m_previousClock));
}

QByteArray ApiClientTest::logged()
{
    QFile file(Logger::getLogFileURL(fixedNow).value_or(QString()));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray ApiClientTest::logLine(const QString& message)
{
    return fixedNow.toString("HH:mm:ss").toUtf8() + ": " + message.toUtf8() + "\n";
}

} // namespace lanterncrest::test
