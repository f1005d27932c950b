#!/usr/bin/python3
"""The Debian package and `cmake --install` put a game on the machine that a desktop can find
and start: the package declares what the game needs, both lay out the same files, the desktop
entry and the metainfo pass their validators, the entry shows in the Education menu, and the
packaged program opens its window."""

import argparse
import importlib.util
import os
import re
import shutil
import struct
import subprocess
import sys
import xml.etree.ElementTree as ElementTree
from pathlib import Path

SKIPPED = 77
PROGRAM = "tavola"
ICON_SIZES = [16, 22, 24, 32, 48, 64, 128, 256]

# The libraries the program links, which dpkg-shlibdeps must find, and what it cannot see.
DEPENDS = ["libc6", "libstdc++6", "libqt6core6", "libqt6gui6", "libqt6widgets6", "libqt6svg6",
           "qt6-qpa-plugins", "fonts-liberation2", "fonts-dejavu-core"]
RECOMMENDS = ["qt6-translations-l10n"]

# Each tool the check runs, and the Debian package that brings it.
TOOLS = {
    "dpkg-deb": "dpkg",
    "dpkg-shlibdeps": "dpkg-dev",
    "file": "file",
    "desktop-file-validate": "desktop-file-utils",
    "appstreamcli": "appstream",
    "timeout": "coreutils",
}
MENU = Path("/etc/xdg/menus/lxde-applications.menu")  # lxmenu-data

failures = []


def expect(condition, message):
    if not condition:
        failures.append(message)
    return condition


def run(command, **options):
    return subprocess.run([str(part) for part in command], capture_output=True, text=True,
                          **options)


def missing_tools():
    missing = [f"{tool} ({package})" for tool, package in TOOLS.items() if not shutil.which(tool)]
    # Only looked up: importing it now would fix the search paths before check_menu sets them.
    if importlib.util.find_spec("xdg") is None:
        missing.append("python3's xdg module (python3-xdg)")
    if not MENU.is_file():
        missing.append(f"{MENU} (lxmenu-data)")
    return missing


def expected_files(app_id):
    """The files under the installation prefix, relative to it."""
    hicolor = "share/icons/hicolor"
    files = {f"bin/{PROGRAM}",
             f"share/applications/{app_id}.desktop",
             f"share/metainfo/{app_id}.metainfo.xml",
             f"{hicolor}/scalable/apps/{app_id}.svg",
             f"share/man/man6/{PROGRAM}.6.gz"}
    files |= {f"{hicolor}/{size}x{size}/apps/{app_id}.png" for size in ICON_SIZES}
    return files


def files_under(root):
    return {path.relative_to(root).as_posix() for path in root.rglob("*") if not path.is_dir()}


def package_names(field):
    """The package names of a Depends-like field, without versions and alternatives' bars."""
    return {re.split(r"[\s(:]", item.strip())[0] for item in re.split(r"[,|]", field) if item.strip()}


def check_control(deb, version):
    fields = {}
    for name in ["Package", "Version", "Architecture", "Section", "Maintainer", "Depends",
                 "Recommends", "Description"]:
        fields[name] = run(["dpkg-deb", "--field", deb, name]).stdout.strip()
    architecture = run(["dpkg", "--print-architecture"]).stdout.strip()
    for name, wanted in [("Package", PROGRAM), ("Version", version),
                         ("Architecture", architecture), ("Section", "education")]:
        expect(fields[name] == wanted, f"control field {name} is '{fields[name]}', not '{wanted}'")
    expect(re.fullmatch(r"[^<>]+ <[^<>@\s]+@[^<>@\s]+>", fields["Maintainer"]),
           f"Maintainer '{fields['Maintainer']}' is not 'Name <address>'")
    description = fields["Description"].splitlines()
    expect(len(description) >= 2 and description[0].strip(),
           "Description lacks a summary line or the extended description")
    depends = package_names(fields["Depends"])
    for package in DEPENDS:
        expect(package in depends, f"Depends lacks {package}: {fields['Depends']}")
    recommends = package_names(fields["Recommends"])
    for package in RECOMMENDS:
        expect(package in recommends and package not in depends,
               f"{package} should be recommended, not required")
    expect(deb.name == f"{PROGRAM}_{version}_{architecture}.deb",
           f"package file is named {deb.name}")


def png_header(path):
    """Width, height and colour type from the IHDR chunk, which PNG puts first."""
    data = path.read_bytes()[:29]
    if len(data) < 29 or data[:8] != b"\x89PNG\r\n\x1a\n" or data[12:16] != b"IHDR":
        return None
    width, height, _depth, colour = struct.unpack(">IIBB", data[16:26])
    return width, height, colour


def check_layout(prefix, app_id, source_svg, label):
    """The files under one prefix: exactly the expected set, each what it should be."""
    present = files_under(prefix)
    wanted = expected_files(app_id)
    expect(present == wanted, f"{label}: missing {sorted(wanted - present)},"
                              f" unexpected {sorted(present - wanted)}")
    program = prefix / "bin" / PROGRAM
    if expect(program.is_file(), f"{label}: no bin/{PROGRAM}"):
        expect(os.access(program, os.X_OK) and program.read_bytes()[:4] == b"\x7fELF",
               f"{label}: bin/{PROGRAM} is not an executable ELF file")
    hicolor = prefix / "share/icons/hicolor"
    svg = hicolor / "scalable/apps" / f"{app_id}.svg"
    expect(svg.is_file() and svg.read_bytes() == source_svg.read_bytes(),
           f"{label}: the scalable icon is not assets/tavola.svg")
    for size in ICON_SIZES:
        png = hicolor / f"{size}x{size}/apps/{app_id}.png"
        header = png_header(png) if png.is_file() else None
        # Colour types 4 and 6 carry alpha; without it the rounded corners turn into a square.
        expect(header is not None and header[:2] == (size, size) and header[2] in (4, 6),
               f"{label}: {png.name} for {size}x{size} has the header {header}")


def check_desktop_entry(share, app_id):
    entry = share / "applications" / f"{app_id}.desktop"
    result = run(["desktop-file-validate", entry])
    # Hints count too: an entry in no main category validates but lands in "Other".
    expect(result.returncode == 0 and not (result.stdout + result.stderr).strip(),
           f"desktop-file-validate: {result.stdout}{result.stderr}")
    keys = dict(line.split("=", 1) for line in entry.read_text().splitlines() if "=" in line)
    expect(keys.get("Exec", "").split()[:1] == [PROGRAM], f"Exec is '{keys.get('Exec')}'")
    expect(keys.get("Icon") == app_id, f"Icon is '{keys.get('Icon')}', not the icon's {app_id}")
    expect(keys.get("Terminal") == "false", "Terminal is not false")
    for key in ["Name[it]", "GenericName[it]", "Comment[it]", "Keywords[it]"]:
        expect(keys.get(key), f"the desktop entry has no {key}")


def check_metainfo(share, app_id, version):
    metainfo = share / "metainfo" / f"{app_id}.metainfo.xml"
    result = run(["appstreamcli", "validate", "--no-net", metainfo])
    expect(result.returncode == 0, f"appstreamcli validate: {result.stdout}{result.stderr}")
    component = ElementTree.parse(metainfo).getroot()
    lang = "{http://www.w3.org/XML/1998/namespace}lang"
    expect(component.get("type") == "desktop-application", "component type is not an app")
    expect(component.findtext("id") == app_id, f"metainfo id is '{component.findtext('id')}'")
    expect(component.findtext("launchable[@type='desktop-id']") == f"{app_id}.desktop",
           "the launchable is not the installed desktop entry")
    expect(component.findtext("provides/binary") == PROGRAM, "provides names no binary")
    rating = component.find("content_rating")
    expect(rating is not None and rating.get("type") == "oars-1.1", "no oars-1.1 rating")
    for tag in ["name", "summary"]:
        languages = {element.get(lang) for element in component.findall(tag)}
        expect({None, "it"} <= languages, f"{tag} lacks English or Italian: {languages}")
    # A version bump without a release entry would show software centres an old release.
    releases = component.findall("releases/release")
    newest = releases[0] if releases else None
    expect(newest is not None and newest.get("version") == version
           and re.fullmatch(r"\d{4}-\d\d-\d\d", newest.get("date", "")),
           f"the newest release is not {version} with a date")


def check_menu(root, share, app_id, scratch):
    """Where a desktop that reads the freedesktop menus shows the entry."""
    home = scratch / "home"
    os.environ.update({
        "XDG_DATA_DIRS": f"{share}:/usr/share",
        "XDG_DATA_HOME": str(home / "data"),
        "XDG_CONFIG_HOME": str(home / "config"),
        "XDG_CONFIG_DIRS": "/etc/xdg",
        # The menu hides entries whose TryExec is not on PATH, as after installation it is.
        "PATH": f"{root / 'usr/bin'}:{os.environ['PATH']}",
        "LANG": "it_IT.UTF-8",
        "LC_ALL": "it_IT.UTF-8",
    })
    import xdg.Menu  # reads the variables above when first imported

    places = []

    def walk(menu, path):
        for item in menu.getEntries():
            if isinstance(item, xdg.Menu.Menu):
                walk(item, path + [item.Name])
            elif isinstance(item, xdg.Menu.MenuEntry) and item.DesktopFileID == f"{app_id}.desktop":
                places.append(("/".join(path), item.DesktopEntry))

    walk(xdg.Menu.parse(str(MENU)), [])
    if expect([place for place, _entry in places] == ["Education"],
              f"the entry is in the menus {[place for place, _entry in places]}, not Education"):
        entry = places[0][1]
        expect(Path(entry.filename).is_relative_to(share), f"the menu read {entry.filename}")
        expect(entry.getGenericName() == "Esercizi sul triangolo rettangolo",
               f"the Italian menu shows '{entry.getGenericName()}'")


def check_starts(program, scratch):
    """The game takes no arguments: started, it must still be running when timeout ends it."""
    environment = dict(os.environ, QT_QPA_PLATFORM="offscreen", HOME=str(scratch / "home"),
                       XDG_RUNTIME_DIR=str(scratch / "runtime"))
    result = run(["timeout", "3", program], env=environment, cwd=scratch)
    expect(result.returncode == 124,
           f"{program} ended with {result.returncode} within 3 s: {result.stderr.strip()}")


def main():
    parser = argparse.ArgumentParser()
    for name in ["build", "source", "scratch", "cpack", "cmake", "app-id", "version"]:
        parser.add_argument(f"--{name}", required=True)
    args = parser.parse_args()
    build, scratch = Path(args.build), Path(args.scratch)

    missing = missing_tools()
    if missing:
        print("missing:", ", ".join(missing), file=sys.stderr)
        return 1 if os.environ.get("TAVOLA_REQUIRE_TEST_TOOLS") == "1" else SKIPPED

    shutil.rmtree(scratch, ignore_errors=True)
    (scratch / "home").mkdir(parents=True)
    (scratch / "runtime").mkdir(mode=0o700)
    packed = run([args.cpack, "--config", build / "CPackConfig.cmake", "-B", scratch / "cpack"])
    debs = sorted((scratch / "cpack").glob("*.deb"))
    if not expect(packed.returncode == 0 and len(debs) == 1,
                  f"cpack made {[deb.name for deb in debs]}: {packed.stdout}{packed.stderr}"):
        return 1
    check_control(debs[0], args.version)

    root = scratch / "root"
    extracted = run(["dpkg-deb", "-x", debs[0], root])
    if not expect(extracted.returncode == 0, f"dpkg-deb -x: {extracted.stderr}"):
        return 1
    expect(files_under(root) == {f"usr/{path}" for path in files_under(root / "usr")},
           "the package installs outside /usr")
    svg = Path(args.source) / "assets/tavola.svg"
    check_layout(root / "usr", args.app_id, svg, "package")
    stripped = run(["file", "-b", root / "usr/bin" / PROGRAM]).stdout
    expect(", stripped" in stripped, f"the packaged program keeps its symbols: {stripped}")

    prefix = scratch / "prefix"
    installed = run([args.cmake, "--install", build, "--prefix", prefix])
    if expect(installed.returncode == 0, f"cmake --install: {installed.stderr}"):
        check_layout(prefix, args.app_id, svg, "cmake --install")

    share = root / "usr/share"
    check_desktop_entry(share, args.app_id)
    check_metainfo(share, args.app_id, args.version)
    check_starts(root / "usr/bin" / PROGRAM, scratch)
    check_menu(root, share, args.app_id, scratch)

    for failure in failures:
        print("FAIL:", failure, file=sys.stderr)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
