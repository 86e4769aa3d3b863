#pragma once

// Registration of the native core for QML.
namespace CoreInit {

constexpr const char *s_qmlUri = "com.vellix.VellixOfficeAurora";
constexpr const char *s_organizationName = "com.vellix";
constexpr const char *s_applicationName = "VellixOfficeAurora";

// The core is a static library: its compiled-in resources (web settings,
// migrations) must be pulled in explicitly by every binary that links it.
void initResources();
void registerTypes();

} // namespace CoreInit
