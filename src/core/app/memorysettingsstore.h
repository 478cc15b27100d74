#pragma once

#include "core/app/settingsstore.h"

#include <map>
#include <memory>
#include <utility>
#include <vector>

namespace varnik {

// A settings store held in memory, for tests and for runs that must not touch the
// user's settings. Values are listed in the order they were first written.
class MemorySettingsStore : public SettingsStore {
public:
    MemorySettingsStore();
    ~MemorySettingsStore() override;

    std::optional<QString> readValue(const SettingsKey& key, const QString& name) const override;
    void writeValue(const SettingsKey& key, const QString& name, const QString& text) override;
    void deleteValue(const SettingsKey& key, const QString& name) override;
    void deleteKey(const SettingsKey& key) override;
    QStringList subkeys(const SettingsKey& key) const override;
    QStringList valueNames(const SettingsKey& key) const override;

private:
    struct Node {
        std::map<QString, std::unique_ptr<Node>> children;
        std::vector<std::pair<QString, QString>> values;
    };

    // Node or const Node: the one lookup serves readers and writers.
    template <typename N> static N* descend(N& root, const SettingsKey& key);
    Node& create(const SettingsKey& key);

    Node root_;
};

} // namespace varnik
