#!/usr/bin/env bash
# Lays out a demo installation from a finished build:
#   DEMO/game/         the stand-in game, its mod folder and its configuration file
#   DEMO/tool/         the tool with its options.ini and two set files
# Usage: scripts/lay-out-demo.sh BUILD-FOLDER DEMO-FOLDER
set -euo pipefail

build=$(cd "$1" && pwd)
mkdir -p "$2"
demo=$(cd "$2" && pwd)
game="$demo/game"
mods="$game/mods"
tool="$demo/tool"

rm -rf "$game" "$tool"
mkdir -p "$mods/multiplay" "$mods/campaign" "$mods/global" "$tool/Set Files"

cp "$build/tools/standin-game/varnhold" "$game/varnhold"
cp "$build/src/varnhold-mod-manager" "$tool/varnhold-mod-manager"

add_mods() { # subfolder, names...
    local folder="$mods/$1" name
    shift
    for name in "$@"; do
        printf 'demo mod: %s\n' "$name" >"$folder/$name"
    done
}

add_mods multiplay \
    "Arena Balance Fix.zip" "better_ai.pk3" "Coastal Maps.zip" "dwarven-forge.pak" \
    "Extra Factions.zip" "faster_build.pk3" "Frost Valley.map" "Highland Skirmish.zip" \
    "iron_banners.pak" "Night Raids.zip" "river_crossings.map" "Siege Engines.zip"
add_mods campaign \
    "Ashen Crown Chapter 1.zip" "Ashen Crown Chapter 2.zip" "bog_witch.pak" "Border Wars.zip" \
    "cartographer.pk3" "Last Watch.zip" "longer_winters.pak" "Northern Reach.zip" \
    "oath_of_iron.zip" "Salt Roads.pk3" "Sunken Keep.map" "wolf_winter.pak"
add_mods global \
    "HD Textures.pak" "music_pack.pk3" "Better Fonts.zip" "camera-tweaks.pak" \
    "Clear Water.zip" "colour_blind_ui.pk3" "Field Sounds.zip" "grass_off.pak" \
    "Quick Menus.zip" "readable_maps.pk3" "Unit Portraits.zip" "weather_plus.pak"

cat >"$game/varnhold.cfg" <<'EOF'
[Video]
resolution=1280x720
fullscreen=0
vsync=1
[Audio]
master_volume=80
music_volume=60
[Game]
language=en
autosave_minutes=10
EOF

cat >"$tool/options.ini" <<EOF
[Paths]
ExecutablePath=$game/varnhold
ModFolderPath=$mods
ConfigFilePath=$game/varnhold.cfg
EOF

cat >"$tool/Set Files/Night Skirmish.set" <<'EOF'
[SettingMP]
Mod0=better_ai.pk3
Mod1=Night Raids.zip
Count=2
[SettingSP]
Count=0
[SettingGlobal]
Mod0=HD Textures.pak
Count=1
[General]
OtherCommands=-windowed -fps 60
EOF

cat >"$tool/Set Files/Ashen Crown Campaign.set" <<'EOF'
[SettingMP]
Count=0
[SettingSP]
Mod0=Ashen Crown Chapter 1.zip
Mod1=Ashen Crown Chapter 2.zip
Mod2=longer_winters.pak
Count=3
[SettingGlobal]
Mod0=music_pack.pk3
Mod1=Unit Portraits.zip
Count=2
[General]
OtherCommands=
EOF

echo "Demo laid out in $demo"
