#pragma once

// Start-up housekeeping of the cache location.
namespace FSUtils {

// Removes the visible files and directories of the writable cache location;
// hidden entries, the web profile ".mozilla" among them, survive.
void clearCache();
// Copies the web engine's preferences into the profile unless a file is there.
void prepareUserWebSettings();

} // namespace FSUtils
