#pragma once

#include <QByteArray>
#include <QStringList>

// For tests that change the network namespace they run in (routes, links):
// allowed only in one that scripts/in-netns made for them.
namespace PrivateNamespace {
// True when scripts/in-netns started this process and only loopback interfaces exist.
bool isOwn();
// Runs the ip tool with these arguments; true when it succeeded.
bool ip(const QStringList &arguments, QByteArray *output = nullptr);
} // namespace PrivateNamespace
