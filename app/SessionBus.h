// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// What the program and slovnik-cli agree on to meet on the session bus: the names, the actions and
// the errors of the program's org.freedesktop.Application object, and how either tells, without
// starting anything, whether there is a session bus at all. Plain C++, so that the tool can share
// it without the windows.

#include <string>
#include <string_view>

#include <sys/stat.h>

namespace slovnik::bus {

/// The desktop entry's base name, which freedesktop's desktop-entry convention makes the bus name
/// of a D-Bus-activatable program (kDesktopFileName, app/ApplicationIdentity.h).
inline constexpr const char *kServiceName = "io.github.slovnik_app.slovnik";
/// The bus name with its dots as slashes, as the freedesktop convention names the object.
inline constexpr const char *kObjectPath = "/io/github/slovnik_app/slovnik";
inline constexpr const char *kApplicationInterface = "org.freedesktop.Application";

/// The actions of ActivateAction. kLookUp takes one string parameter, the others none.
inline constexpr const char *kLookUpSelection = "look-up-selection";
inline constexpr const char *kLookUpClipboard = "look-up-clipboard";
inline constexpr const char *kLookUp = "look-up";
inline constexpr const char *kTranslateClipboard = "translate-clipboard";

/// The errors the object answers with besides the bus's own.
inline constexpr const char *kNothingToLookUp = "io.github.slovnik_app.slovnik.Error.NothingToLookUp";
inline constexpr const char *kNotSupported = "org.freedesktop.DBus.Error.NotSupported";
inline constexpr const char *kInvalidArgs = "org.freedesktop.DBus.Error.InvalidArgs";

/// What an X session without a bus gets in DBUS_SESSION_BUS_ADDRESS: an address of no known
/// transport, which the bus libraries refuse at once instead of running dbus-launch.
inline constexpr const char *kNoBusAddress = "disabled:";

/// True when a session bus can be reached without starting one: the environment names its address,
/// or the user's bus listens in the runtime folder (where libdbus and GIO look before they would
/// autolaunch one). Connects to nothing.
inline bool sessionBusPresent(const char *address, const char *runtimeFolder)
{
    if (address && *address)
        return std::string_view(address) != kNoBusAddress;
    if (!runtimeFolder || !*runtimeFolder)
        return false;
    struct stat status { };
    return ::stat((std::string(runtimeFolder) + "/bus").c_str(), &status) == 0 && S_ISSOCK(status.st_mode);
}

} // namespace slovnik::bus
