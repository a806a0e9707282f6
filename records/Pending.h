#pragma once

#include <QString>
#include <string>

// Requests that waited for the record service, one file each in the
// account's own folder, written whole under a new name and renamed into place.
namespace records::pending {

// At most this many wait: a service away for months must not fill a home.
inline constexpr int MaxWaiting = 200;

// False when it could not be kept.
bool keep(const QString& folder, const std::string& request);
// Sends each, oldest first, all within waitMs, and removes those the service
// answered; stops at the first it does not, and at the deadline: the rest
// wait for the next start.
void sendAll(const QString& folder, const QString& service, int waitMs);

} // namespace records::pending
