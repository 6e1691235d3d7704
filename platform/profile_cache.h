// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The process's parsed copies of profile files, reused while the file on disk is unchanged, and the
// scopes that pin or edit them. Internal to the profile functions.
#include "platform/profile_document.h"
#include "platform/profile_file.h"

#include <memory>
#include <string>

// One version of a profile file: the document is null when the file is missing or unreadable,
// which readers see as an empty file.
struct ProfileVersion {
    FileState state = FileState::Missing;
    FileFailure failure;   // why, when Unreadable
    FileIdentity identity;
    std::unique_ptr<ProfileDocument> document;
};

// The document every read of `path` should see now (null: read as empty): the innermost batch on
// the path, else the version pinned by a read scope, else the cached copy if the disk still holds it,
// else a fresh parse, which is then cached.
const ProfileDocument* ProfileDocumentForReading(std::string_view path);

// Takes the current version of `path` out of the cache (or reads it), for a writer that will change
// it. The identity lets the writer tell later whether the disk still holds that version.
ProfileVersion TakeProfileVersion(const std::string& path);

// Puts a version that is now on disk back in the cache.
void StoreProfileVersion(const std::string& path, ProfileVersion version);

// The version on disk now, read and parsed.
ProfileVersion ReadProfileVersion(const std::string& path);

// Whether the disk still holds `version` (an unreadable version never counts as current).
bool IsCurrentProfileVersion(const ProfileVersion& version, const std::string& path);

// Read scopes: while a path is pinned, the cached copy is used without asking the disk.
void PinProfile(const std::string& path);
void UnpinProfile(const std::string& path);
