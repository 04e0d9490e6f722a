#include "settings/SecretStore.h"

#include <QEventLoop>
#include <qt6keychain/keychain.h>

namespace {

const QString Service = QStringLiteral("Brackmere");

class Keychain : public SecretStore {
public:
    Answer Read(const QString& name) override
    {
        QKeychain::ReadPasswordJob job(Service);
        job.setKey(name);
        Answer answer = Run(job);
        answer.secret = job.textData();
        return answer;
    }
    Answer Write(const QString& name, const QString& secret) override
    {
        QKeychain::WritePasswordJob job(Service);
        job.setKey(name);
        job.setTextData(secret);
        return Run(job);
    }
    Answer Remove(const QString& name) override
    {
        QKeychain::DeletePasswordJob job(Service);
        job.setKey(name);
        return Run(job);
    }

private:
    static Answer Run(QKeychain::Job& job)
    {
        job.setAutoDelete(false);
        job.setInsecureFallback(false);
        QEventLoop loop;
        bool finished = false;
        QObject::connect(&job, &QKeychain::Job::finished, &loop, [&] {
            finished = true;
            loop.quit();
        });
        job.start();
        if (!finished)
            loop.exec(QEventLoop::ExcludeUserInputEvents);
        switch (job.error()) {
        case QKeychain::NoError: return {};
        case QKeychain::EntryNotFound: return {Outcome::NotFound, {}, {}};
        default: return {Outcome::Unavailable, {}, job.errorString()};
        }
    }
};

}  // namespace

std::unique_ptr<SecretStore> SystemKeychain()
{
    return std::make_unique<Keychain>();
}
