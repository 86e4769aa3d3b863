#pragma once

// Where the secure-storage service lives on the system bus and what its
// answers mean; shared by the client and the service.
namespace SecureStorageBus {

constexpr const char *s_serviceName = "com.vellix.SecureStorage";
constexpr const char *s_objectPath = "/com/vellix/SecureStorage";
constexpr const char *s_interfaceName = "com.vellix.SecureStorage";

// Result codes of "Open", "Create" and "Delete".
enum Code : int {
    Done = 0,
    EmptyPassword = 1,
    WrongPassword = 2,
    ExpiredPassword = 3,
    NoContainer = 4,
    Failed = 6,
    AlreadyExists = 7,
};

} // namespace SecureStorageBus
