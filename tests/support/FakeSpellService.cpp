// Zevora tests - a scriptable spelling service.
#include "FakeSpellService.h"

using namespace Platform;

namespace {
class FakeDictionary : public SpellDictionary
{
public:
    FakeDictionary(FakeSpellService &service, const QString &language)
        : m_service(service), m_language(language)
    {
    }
    QString language() const override { return m_language; }
    bool check(QStringView word) override
    {
        m_service.checked.append(word.toString());
        if (m_service.checked.size() == m_service.failAtCheck)
            throw SpellError("check failed");
        return m_service.known.contains(word.toString());
    }
    QStringList suggest(const QString &word) override { return m_service.suggestions.value(word); }
    void add(const QString &word) override
    {
        m_service.added.append(word);
        m_service.known.insert(word);
    }

private:
    FakeSpellService &m_service;
    QString m_language;
};
} // namespace

std::unique_ptr<SpellDictionary> FakeSpellService::open(const QString &language)
{
    if (!installed.contains(language))
        return nullptr;
    return std::make_unique<FakeDictionary>(*this, language);
}
