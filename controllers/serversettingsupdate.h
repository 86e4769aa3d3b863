#pragma once

class Settings;

// Fetches the portal's editor server address in the background after a
// sign-in or a token refresh; the worker frees itself.
void startServerSettingsUpdate(Settings *settings);
