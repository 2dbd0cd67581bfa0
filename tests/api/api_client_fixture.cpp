#include "tests/api/api_client_fixture.h"

#include "api/api_configuration.h"
#include "api/token_store.h"
#include "platform/foundation/user_defaults.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>

namespace lanterncrest::test {
namespace {

// The framework settles its base URL once per process, so the service starts before any test.
struct ApiServiceEnvironment : ::testing::Environment
{
    void SetUp() override
    {
        service = std::make_unique<LoopbackService>();
        qputenv(ApiConfiguration::baseUrlVariable, service->url().toUtf8());
    }
    void TearDown() override { service.reset(); }
    std::unique_ptr<LoopbackService> service;
};

auto *const environment = static_cast<ApiServiceEnvironment *>(
        ::testing::AddGlobalTestEnvironment(new ApiServiceEnvironment));

} // namespace

LoopbackService &apiService()
{
    return *environment->service;
}

QString documents()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

void ApiClientTest::SetUp()
{
    apiService().reopen();
    apiService().reset();
    UserDefaults::standard().removeObject(authorizationDataKey);
    QDir(documents()).removeRecursively();
    QFile::remove(documents());
    m_console.emplace();
    m_previousClock = Logger::setClock([this] { return now; });
}

void ApiClientTest::TearDown()
{
    m_console.reset();
    Logger::setClock(std::move(m_previousClock));
}

QByteArray ApiClientTest::logged(const QString &fileName)
{
    QFile file(QDir(documents()).filePath(fileName));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray ApiClientTest::settingsFile()
{
    QFile file(QSettings().fileName());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray ApiClientTest::logLine(const QString &message) const
{
    return now.toString("HH:mm:ss").toUtf8() + ": " + message.toUtf8() + "\n";
}

} // namespace lanterncrest::test
