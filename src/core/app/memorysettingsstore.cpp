#include "core/app/memorysettingsstore.h"

#include <algorithm>

namespace varnik {

namespace {

template <typename Values> auto findValue(Values& values, const QString& name)
{
    return std::find_if(values.begin(), values.end(), [&](const auto& value) {
        return value.first.compare(name, Qt::CaseInsensitive) == 0;
    });
}

} // namespace

MemorySettingsStore::MemorySettingsStore() = default;
MemorySettingsStore::~MemorySettingsStore() = default;

template <typename N> N* MemorySettingsStore::descend(N& root, const SettingsKey& key)
{
    N* node = &root;
    for (const QString& level : key.levels()) {
        auto it = node->children.find(level);
        if (it == node->children.end())
            return nullptr;
        node = it->second.get();
    }
    return node;
}

MemorySettingsStore::Node& MemorySettingsStore::create(const SettingsKey& key)
{
    Node* node = &root_;
    for (const QString& level : key.levels()) {
        std::unique_ptr<Node>& child = node->children[level];
        if (!child)
            child = std::make_unique<Node>();
        node = child.get();
    }
    return *node;
}

std::optional<QString> MemorySettingsStore::readValue(const SettingsKey& key, const QString& name) const
{
    const Node* node = descend(root_, key);
    if (!node)
        return std::nullopt;
    auto it = findValue(node->values, name);
    if (it == node->values.end())
        return std::nullopt;
    return it->second;
}

void MemorySettingsStore::writeValue(const SettingsKey& key, const QString& name, const QString& text)
{
    Node& node = create(key);
    auto it = findValue(node.values, name);
    if (it == node.values.end())
        node.values.emplace_back(name, text);
    else
        it->second = text;
}

void MemorySettingsStore::deleteValue(const SettingsKey& key, const QString& name)
{
    Node* node = descend(root_, key);
    if (!node)
        return;
    auto& values = node->values;
    auto it = findValue(values, name);
    if (it != values.end())
        values.erase(it);
}

void MemorySettingsStore::deleteKey(const SettingsKey& key)
{
    if (key.isEmpty()) {
        root_.children.clear();
        root_.values.clear();
        return;
    }
    QStringList parentLevels = key.levels();
    const QString last = parentLevels.takeLast();
    if (Node* parent = descend(root_, SettingsKey(parentLevels)))
        parent->children.erase(last);
}

QStringList MemorySettingsStore::subkeys(const SettingsKey& key) const
{
    QStringList names;
    if (const Node* node = descend(root_, key)) {
        for (const auto& [name, child] : node->children)
            names.append(name);
    }
    return names;
}

QStringList MemorySettingsStore::valueNames(const SettingsKey& key) const
{
    QStringList names;
    if (const Node* node = descend(root_, key)) {
        for (const auto& [name, text] : node->values)
            names.append(name);
    }
    return names;
}

} // namespace varnik
