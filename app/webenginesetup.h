#pragma once

#include <QString>

class QQuickWebEngineProfile;

// The embedded web engine of the editor page.
namespace WebEngineSetup {

// Before the application object exists: the engine shares the view's
// OpenGL contexts and must be set up before any context is made. Run as
// root, the engine's sandbox is switched off.
void initialize();

// The user agent a Gecko preferences file overrides ("general.useragent.override");
// empty when the file sets none. The engine does not read such files itself.
QString userAgentOf(const QString &preferencesFile);

// Gives the profile the user agent of the bundled preferences, so the portal
// sees a mobile browser.
void applyUserPreferences(QQuickWebEngineProfile *profile);

} // namespace WebEngineSetup
