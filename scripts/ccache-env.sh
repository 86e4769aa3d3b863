# Sourced by the build scripts: one compiler cache for every build folder and
# every clone of the tree, wherever it lies.
# The precompiled headers would otherwise make ccache miss on every build.
export CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
# Paths under the tree are hashed relative to it, and the build folder is left
# out of the hash, so that a fresh clone hits what another clone compiled.
CCACHE_BASEDIR=$(pwd)
export CCACHE_BASEDIR CCACHE_NOHASHDIR=1
