// Zevora - spelling through Enchant, with Hunspell dictionaries only.
#include "EnchantSpellService.h"

#include <enchant.h>

#include <QByteArray>

namespace Platform {

namespace {

const char kProvider[] = "hunspell";

struct BrokerDeleter
{
    void operator()(EnchantBroker *broker) const { enchant_broker_free(broker); }
};
using Broker = std::unique_ptr<EnchantBroker, BrokerDeleter>;

Broker newBroker()
{
    Broker broker(enchant_broker_init());
    if (!broker)
        throw SpellError("Enchant could not start");
    enchant_broker_set_ordering(broker.get(), "*", kProvider);
    return broker;
}

QStringList hunspellLanguages(EnchantBroker *broker)
{
    QStringList tags;
    enchant_broker_list_dicts(
        broker,
        [](const char *tag, const char *provider, const char *, const char *, void *data) {
            if (qstrcmp(provider, kProvider) == 0)
                static_cast<QStringList *>(data)->append(QString::fromUtf8(tag));
        },
        &tags);
    tags.sort();
    tags.removeDuplicates();
    return tags;
}

} // namespace

class EnchantSpellService::Dictionary : public SpellDictionary
{
public:
    Dictionary(Broker broker, EnchantDict *dict, QString language)
        : m_broker(std::move(broker)), m_dict(dict), m_language(std::move(language))
    {
    }
    ~Dictionary() override { enchant_broker_free_dict(m_broker.get(), m_dict); }
    Dictionary(const Dictionary &) = delete;
    Dictionary &operator=(const Dictionary &) = delete;

    QString language() const override { return m_language; }

    bool check(QStringView word) override
    {
        const QByteArray utf8 = word.toUtf8();
        const int verdict = enchant_dict_check(m_dict, utf8.constData(), utf8.size());
        if (verdict < 0)
            fail();
        return verdict == 0;
    }

    QStringList suggest(const QString &word) override
    {
        const QByteArray utf8 = word.toUtf8();
        size_t count = 0;
        char **list = enchant_dict_suggest(m_dict, utf8.constData(), utf8.size(), &count);
        QStringList suggestions;
        for (size_t i = 0; list && i < count; ++i)
            suggestions.append(QString::fromUtf8(list[i]));
        if (list)
            enchant_dict_free_string_list(m_dict, list);
        else if (enchant_dict_get_error(m_dict))
            fail();
        return suggestions;
    }

    void add(const QString &word) override
    {
        const QByteArray utf8 = word.toUtf8();
        enchant_dict_add(m_dict, utf8.constData(), utf8.size());
        if (enchant_dict_get_error(m_dict))
            fail();
    }

    QString provider() const
    {
        QString name;
        enchant_dict_describe(
            m_dict,
            [](const char *, const char *provider, const char *, const char *, void *data) {
                *static_cast<QString *>(data) = QString::fromUtf8(provider);
            },
            &name);
        return name;
    }

private:
    [[noreturn]] void fail() const
    {
        const char *error = enchant_dict_get_error(m_dict);
        throw SpellError(error ? error : "Enchant reported an error");
    }

    Broker m_broker;
    EnchantDict *m_dict;
    QString m_language;
};

namespace {
// What open() hands out: a share of the kept dictionary.
class SharedDictionary : public SpellDictionary
{
public:
    explicit SharedDictionary(std::shared_ptr<SpellDictionary> shared) : m_shared(std::move(shared)) {}
    QString language() const override { return m_shared->language(); }
    bool check(QStringView word) override { return m_shared->check(word); }
    QStringList suggest(const QString &word) override { return m_shared->suggest(word); }
    void add(const QString &word) override { m_shared->add(word); }
    SpellDictionary &shared() const { return *m_shared; }

private:
    std::shared_ptr<SpellDictionary> m_shared;
};
} // namespace

EnchantSpellService::EnchantSpellService() = default;
EnchantSpellService::~EnchantSpellService() = default;

QStringList EnchantSpellService::languages()
{
    return hunspellLanguages(newBroker().get());
}

std::unique_ptr<SpellDictionary> EnchantSpellService::open(const QString &language)
{
    if (m_kept && m_kept->language() == language)
        return std::make_unique<SharedDictionary>(m_kept);
    m_kept.reset();
    Broker broker = newBroker();
    // Another provider would step in for a language Hunspell lacks.
    if (!hunspellLanguages(broker.get()).contains(language))
        return nullptr;
    EnchantDict *dict = enchant_broker_request_dict(broker.get(), language.toUtf8().constData());
    if (!dict)
        return nullptr;
    m_kept = std::make_shared<Dictionary>(std::move(broker), dict, language);
    return std::make_unique<SharedDictionary>(m_kept);
}

QString EnchantSpellService::providerOf(SpellDictionary &dictionary)
{
    auto *shared = dynamic_cast<SharedDictionary *>(&dictionary);
    auto *enchant = shared ? dynamic_cast<Dictionary *>(&shared->shared()) : nullptr;
    return enchant ? enchant->provider() : QString();
}

} // namespace Platform
