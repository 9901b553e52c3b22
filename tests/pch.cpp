// Only here to give the shared precompiled headers a target of their own.
