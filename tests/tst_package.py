#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Tavola developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""The Debian package is what Debian and a desktop expect, `cmake --install` lays out the same
files, the packaged game starts, and CPack makes no package without dpkg-shlibdeps."""
import importlib.util, os, re, shutil, subprocess, sys
import xml.etree.ElementTree as ElementTree
from pathlib import Path

build, source, scratch, cpack, cmake, app, version, hardened = sys.argv[1:]
build, source, scratch = Path(build), Path(source), Path(scratch)
menu, which = "/etc/xdg/menus/lxde-applications.menu", shutil.which
found = {"dpkg-dev": which("dpkg-shlibdeps"), "file": which("file"), "lintian": which("lintian"),
         "appstream": which("appstreamcli"), "desktop-file-utils": which("desktop-file-validate"),
         "lxmenu-data": os.path.isfile(menu), "python3-xdg": importlib.util.find_spec("xdg")}
if missing := [package for package, there in found.items() if not there]:
    print("missing Debian packages:", *missing, file=sys.stderr)
    sys.exit(1 if os.environ.get("TAVOLA_REQUIRE_TEST_TOOLS") == "1" else 77)
failures = []
expect = lambda condition, message: condition or failures.append(message)
run = lambda *args, **kwargs: subprocess.run(list(map(str, args)), capture_output=True, text=True,
                                              **kwargs)
pack = lambda to, **kwargs: run(cpack, "--config", build / "CPackConfig.cmake", "-B", to, **kwargs)
shutil.rmtree(scratch, ignore_errors=True)
(hidden := scratch / "hidden").mkdir(parents=True)
(home := scratch / "home").mkdir(mode=0o700)  # also Qt's runtime folder, which must be private

(hidden / "file").symlink_to(which("file"))  # a PATH with file but without dpkg-shlibdeps
refused = pack(hidden, env=dict(os.environ, PATH=hidden))
expect(refused.returncode and "apt-get install dpkg-dev'" in " ".join(refused.stderr.split())
       and not list(hidden.glob("*.deb")), f"cpack without dpkg-shlibdeps: {refused.stderr}")
packed, arch = pack(scratch / "cpack"), run("dpkg", "--print-architecture").stdout.strip()
if not (deb := scratch / "cpack" / f"tavola_{version}_{arch}.deb").is_file():
    sys.exit(f"FAIL: cpack made no {deb.name}: {packed.stdout}{packed.stderr}")
field = lambda name: run("dpkg-deb", "--field", deb, name).stdout.strip()
expect([field(name) for name in ["Package", "Version", "Architecture", "Section", "Recommends"]]
       == ["tavola", version, arch, "education", "qt6-translations-l10n"], "the control fields")
# Versions on the libraries show that dpkg-shlibdeps read the program; it cannot see the rest.
depends = ", " + field("Depends")
expect(all(", " + package in depends for package in "libc6 (>= |libstdc++6 (>= |libqt6core6 (>= "
       "|libqt6gui6 (>= |libqt6widgets6 (>= |libqt6svg6 (>= |qt6-qpa-plugins|fonts-liberation2"
       "|fonts-dejavu-core".split("|")), f"Depends{depends}")
# Lintian also judges the maintainer, the description, the copyright file and the changelog;
# of its information tags, only those on stripping and, when asked for, on hardening fail.
lintian = run("lintian", "--pedantic", "-I", deb)
fault = re.compile(r"^[EW]: |unneeded-section" + "|hardening-" * (hardened == "1"), re.M)
expect(lintian.returncode == 0 and not fault.search(lintian.stdout), f"lintian: {lintian.stdout}")

icons, doc, sizes = "share/icons/hicolor", "share/doc/tavola", [16, 22, 24, 32, 48, 64, 128, 256]
wanted = {"bin/tavola", f"share/applications/{app}.desktop", f"share/metainfo/{app}.metainfo.xml",
          "share/man/man6/tavola.6.gz", f"{doc}/copyright", f"{doc}/changelog.gz",
          f"{icons}/scalable/apps/{app}.svg", *(f"{icons}/{n}x{n}/apps/{app}.png" for n in sizes)}
files = lambda top: {path.relative_to(top).as_posix() for path in top.rglob("*") if path.is_file()}
run("dpkg-deb", "-x", deb, root := scratch / "root")
expect(files(root) == {f"usr/{path}" for path in wanted}, f"the package has {sorted(files(root))}")
installed = run(cmake, "--install", build, "--prefix", scratch / "prefix")
expect(files(scratch / "prefix") == wanted, f"cmake --install: {installed.stderr}")
usr = root / "usr"
expect(os.access(usr / "bin/tavola", os.X_OK) and (usr / f"{icons}/scalable/apps/{app}.svg")
       .read_bytes() == (source / "assets/tavola.svg").read_bytes(), "the program or the icon")
for size in sizes:  # PNG's IHDR: width, height, bit depth, then a colour type with alpha (4, 6)
    png = (usr / f"{icons}/{size}x{size}/apps/{app}.png").read_bytes()[:26]
    expect(png[:8] == b"\x89PNG\r\n\x1a\n" and png[16:24] == size.to_bytes(4, "big") * 2
           and png[25] in (4, 6), f"the {size} px icon's header is {png}")
changelog = run("dpkg-parsechangelog", "-l", source / "packaging/changelog", "-S", "Version")
expect(changelog.stdout.strip() == version, f"the changelog's newest version: {changelog}")

entry = usr / f"share/applications/{app}.desktop"
valid = run("desktop-file-validate", entry)  # hints too: without a main category, "Other"
keys = dict(line.split("=", 1) for line in entry.read_text().splitlines() if "=" in line)
expect(valid.returncode == 0 and not valid.stdout + valid.stderr
       and [keys.get(key) for key in ["Exec", "Icon", "Terminal"]] == ["tavola", app, "false"]
       and all(keys.get(f"{key}[it]") for key in ["Name", "GenericName", "Comment", "Keywords"]),
       f"the desktop entry: {valid.stdout} {keys}")
file = usr / f"share/metainfo/{app}.metainfo.xml"
valid, metainfo = run("appstreamcli", "validate", "--no-net", file), ElementTree.parse(file)
italian = "[@{http://www.w3.org/XML/1998/namespace}lang='it']"
expect(valid.returncode == 0 and [metainfo.findtext(path) for path in ["id", "launchable",
       "provides/binary", "project_license"]] == [app, f"{app}.desktop", "tavola",
       "GPL-3.0-or-later"] and all(metainfo.find(path) is not None for path in [
           "name" + italian, "summary" + italian, "content_rating[@type='oars-1.1']",
           f"releases/release[1][@version='{version}']"]), f"the metainfo: {valid.stdout}")

started = run("timeout", "3", usr / "bin/tavola", cwd=scratch, env=dict(
    os.environ, QT_QPA_PLATFORM="offscreen", HOME=home, XDG_RUNTIME_DIR=home))
expect(started.returncode == 124, f"the program ended within 3 s: {started.stderr}")
# The menu hides an entry whose TryExec is not on PATH; xdg reads these variables on import.
os.environ.update(XDG_DATA_DIRS=f"{usr}/share:/usr/share", XDG_DATA_HOME=str(home),
                  XDG_CONFIG_HOME=str(home), XDG_CONFIG_DIRS="/etc/xdg",
                  PATH=f"{usr}/bin:{os.environ['PATH']}", LC_ALL="it_IT.UTF-8")
import xdg.Menu
item = (xdg.Menu.parse(menu).getMenu("Education") or xdg.Menu.Menu()).getMenuEntry(f"{app}.desktop")
expect(item and item.Show is True and [parent.Name for parent in item.Parents] == ["Education"]
       and item.DesktopEntry.filename == str(entry) and item.DesktopEntry.getGenericName()
       == "Esercizi sul triangolo rettangolo", "the game is not under Istruzione in the menu")
print(*(f"FAIL: {failure}" for failure in failures), sep="\n", file=sys.stderr)
sys.exit(1 if failures else 0)
