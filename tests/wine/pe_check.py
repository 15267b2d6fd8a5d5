#!/usr/bin/env python3
"""Lumaro.exe as Windows reads it, through pefile: the header, the sections, the imports and the
resources (version, icons, manifest) of one exe of one architecture.

    pe_check.py ROOT EXE x86|x64

ROOT is the source tree, whose src/ui/ResourceIds.h holds the texts the version resource must
carry. Prints one line saying what the exe is and exits 0 when everything holds; otherwise
prints each thing that does not, and exits 1."""
import re
import struct
import sys
import xml.etree.ElementTree as ET

import pefile

ARCHITECTURES = {
    'x86': {'machine': 0x14C, 'magic': 0x10B, 'manifest': 'x86'},
    'x64': {'machine': 0x8664, 'magic': 0x20B, 'manifest': 'amd64'},
}
GUI = 2
# Windows 7, the oldest system the manifest names and the headers target
# (_WIN32_WINNT 0x0601): the loader refuses the exe on anything older.
SUBSYSTEM_VERSION = (6, 1)
DYNAMIC_BASE, NX_COMPAT, HIGH_ENTROPY_VA, TERMINAL_SERVER_AWARE = 0x40, 0x100, 0x20, 0x8000
WRITE, EXECUTE = 0x80000000, 0x20000000
# Known DLLs, or comctl32 6 bound through the manifest: never searched for
# beside the exe. Everything else is loaded from the system folder at run time.
DLLS = {'ADVAPI32.DLL', 'COMCTL32.DLL', 'GDI32.DLL', 'KERNEL32.DLL', 'MSVCRT.DLL', 'USER32.DLL'}
ICON_GROUPS = {1: 'program', 2: 'tray'}  # LUMARO_ICON_PROGRAM, LUMARO_ICON_TRAY
ICON_SIZES = [16, 20, 24, 32, 40, 48, 64]  # a small icon to 400 %, a large one to 200 %
RT_ICON, RT_GROUP_ICON, RT_MANIFEST = 3, 14, 24
CREATEPROCESS_MANIFEST = 1
SUPPORTED_OS = {
    '{35138b9a-5d96-4fbd-8e2d-a2440225f93a}',  # 7
    '{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}',  # 8
    '{1f676c76-80e1-4239-95bb-83d0f6d0da78}',  # 8.1
    '{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}',  # 10 and 11
}
# Common controls 6, of the exe's architecture whichever it is.
COMMON_CONTROLS = {'type': 'win32', 'name': 'Microsoft.Windows.Common-Controls',
                   'version': '6.0.0.0', 'processorArchitecture': '*',
                   'publicKeyToken': '6595b64144ccf1df', 'language': '*'}
NS = {
    'v1': 'urn:schemas-microsoft-com:asm.v1',
    'v3': 'urn:schemas-microsoft-com:asm.v3',
    'compat': 'urn:schemas-microsoft-com:compatibility.v1',
    'ws2005': 'http://schemas.microsoft.com/SMI/2005/WindowsSettings',
    'ws2016': 'http://schemas.microsoft.com/SMI/2016/WindowsSettings',
    'ws2019': 'http://schemas.microsoft.com/SMI/2019/WindowsSettings',
}

problems = []


def expect(holds, what):
    if not holds:
        problems.append(what)
    return holds


def resource_ids(root):
    """The #defines of ResourceIds.h, by name, with their quotes taken off."""
    with open(root + '/src/ui/ResourceIds.h', encoding='utf-8') as header:
        text = header.read()
    return {m[1]: m[2].strip('"') for m in re.finditer(r'^#define (\w+) (.+)$', text, re.M)}


def resource(pe, kind, ident):
    """The bytes of resource (kind, ident), of its first language; None if there is none."""
    kinds = pe.DIRECTORY_ENTRY_RESOURCE.entries if hasattr(pe, 'DIRECTORY_ENTRY_RESOURCE') else []
    for named in (n for k in kinds if k.id == kind for n in k.directory.entries):
        if named.id == ident:
            data = named.directory.entries[0].data.struct
            return pe.get_data(data.OffsetToData, data.Size)
    return None


def check_header(pe, arch):
    spec, optional = ARCHITECTURES[arch], pe.OPTIONAL_HEADER
    for warning in pe.get_warnings():  # anything malformed
        expect(False, f'pefile: {warning}')
    expect(pe.FILE_HEADER.Machine == spec['machine'], f'machine {pe.FILE_HEADER.Machine:#x}')
    expect(optional.Magic == spec['magic'], f'optional header magic {optional.Magic:#x}')
    expect(optional.Subsystem == GUI, f'subsystem {optional.Subsystem}, not GUI')
    version = (optional.MajorSubsystemVersion, optional.MinorSubsystemVersion)
    expect(version == SUBSYSTEM_VERSION, 'subsystem version %d.%d' % version)
    wanted = {'ASLR': DYNAMIC_BASE, 'NX': NX_COMPAT, 'HEVA': HIGH_ENTROPY_VA,
              'TSAware': TERMINAL_SERVER_AWARE}
    if arch == 'x86':
        del wanted['HEVA']  # 64-bit addresses: PE32+ only
    flags = [name for name, bit in wanted.items()
             if expect(optional.DllCharacteristics & bit, f'no {name} in DllCharacteristics')]
    for section in pe.sections:
        name = section.Name.rstrip(b'\0').decode()
        expect(section.Characteristics & (WRITE | EXECUTE) != WRITE | EXECUTE,
               f'section {name} is writable and executable')
    machine = pefile.MACHINE_TYPE.get(pe.FILE_HEADER.Machine, '?')
    machine = machine.replace('IMAGE_FILE_MACHINE_', '')
    return 'machine %s, GUI %d.%d, %s' % (machine, *version, ' '.join(flags))


def check_imports(pe):
    dlls = {entry.dll.decode().upper() for entry in getattr(pe, 'DIRECTORY_ENTRY_IMPORT', [])}
    expect(dlls == DLLS, 'imports ' + ' '.join(sorted(dlls)))
    expect(not hasattr(pe, 'DIRECTORY_ENTRY_DELAY_IMPORT'), 'delay-load imports')
    return f'{len(dlls)} DLLs'


def check_version(pe, ids):
    strings = {}
    for info in getattr(pe, 'FileInfo', [[]])[0]:
        for table in getattr(info, 'StringTable', []):
            strings.update({k.decode(): v.decode() for k, v in table.entries.items()})
    version = ids['LUMARO_VERSION_TEXT']
    wanted = {'ProductName': ids['LUMARO_PRODUCT_NAME'], 'ProductVersion': version,
              'FileVersion': version, 'FileDescription': ids['LUMARO_DESCRIPTION'],
              'Comments': ids['LUMARO_RELEASE_DATE']}
    for name, value in wanted.items():
        expect(strings.get(name) == value,
               f'version resource {name}={strings.get(name)!r}, not {value!r}')
    numbers = [int(n) for n in ids['LUMARO_VERSION_NUMBERS'].split(',')]
    fixed = getattr(pe, 'VS_FIXEDFILEINFO', [None])[0]
    for name in ('File', 'Product'):
        found = fixed and [getattr(fixed, name + 'Version' + half) >> shift & 0xFFFF
                           for half in ('MS', 'LS') for shift in (16, 0)]
        expect(found == numbers, f'fixed {name.lower()} version {found}')
    return f"version {strings.get('ProductVersion')}"


def icon_image_size(image):
    """Width and height of an icon image, a PNG or a BITMAPINFOHEADER with the mask below."""
    if image.startswith(b'\x89PNG'):
        return struct.unpack('>II', image[16:24])
    width, height = struct.unpack('<ii', image[4:12])
    return width, height // 2


def check_icons(pe):
    seen = set()
    for ident, label in ICON_GROUPS.items():
        group = resource(pe, RT_GROUP_ICON, ident)
        if not expect(group, f'no {label} icon group'):
            continue
        count = struct.unpack('<H', group[4:6])[0]
        sizes = []
        for i in range(count):
            entry = group[6 + 14 * i:20 + 14 * i]  # GRPICONDIRENTRY
            width, height, _, _, _, _, _, icon = struct.unpack('<BBBBHHIH', entry)
            size = (width or 256, height or 256)
            image = resource(pe, RT_ICON, icon)
            expect(image and icon_image_size(image) == size, f'{label} icon {icon} is not {size}')
            sizes.append(size[0] if size[0] == size[1] else size)
        expect(sorted(sizes) == ICON_SIZES, f'{label} icon sizes {sorted(sizes)}')
        seen.update(s for s in sizes if isinstance(s, int))
    return f'icons {min(seen)}..{max(seen)}' if seen else 'no icons'


def check_manifest(pe, arch, ids):
    data = resource(pe, RT_MANIFEST, CREATEPROCESS_MANIFEST)
    if not expect(data, 'no manifest'):
        return 'no manifest'
    try:
        root = ET.fromstring(data)
    except ET.ParseError as error:
        expect(False, f'manifest: {error}')
        return 'manifest not XML'
    found = root.find('v1:assemblyIdentity', NS)
    identity = found.attrib if found is not None else {}
    version = '.'.join(n.strip() for n in ids['LUMARO_VERSION_NUMBERS'].split(','))
    wanted = {'type': 'win32', 'name': 'QelApp.Lumaro', 'version': version,
              'processorArchitecture': ARCHITECTURES[arch]['manifest']}
    expect(identity == wanted, f'identity {identity}')
    level = root.find('.//v3:requestedExecutionLevel', NS)
    expect(level is not None and level.attrib == {'level': 'asInvoker', 'uiAccess': 'false'},
           'execution level not asInvoker')
    settings = {key: root.findtext(f'.//{key}', namespaces=NS) or ''
                for key in ('ws2005:dpiAware', 'ws2016:dpiAwareness', 'ws2019:activeCodePage')}
    awareness = [a.strip() for a in settings['ws2016:dpiAwareness'].split(',')]
    expect(awareness[0] == 'PerMonitorV2', f'dpiAwareness {awareness}')
    expect(settings['ws2005:dpiAware'].strip() == 'true/pm', 'dpiAware not true/pm (for 8.1)')
    expect(settings['ws2019:activeCodePage'] == 'UTF-8', 'active code page not UTF-8')
    systems = {e.get('Id', '').lower() for e in root.iterfind('.//compat:supportedOS', NS)}
    expect(systems == SUPPORTED_OS, f'supportedOS {sorted(systems)}')
    path = 'v1:dependency/v1:dependentAssembly/v1:assemblyIdentity'
    dependencies = [e.attrib for e in root.iterfind(path, NS)]
    expect(dependencies == [COMMON_CONTROLS], f'dependencies {dependencies}')
    return 'manifest %s %s %s' % (identity.get('processorArchitecture'), awareness[0],
                                  settings['ws2019:activeCodePage'])


def main(root, exe, arch):
    ids = resource_ids(root)
    try:
        pe = pefile.PE(exe)
    except (OSError, pefile.PEFormatError) as error:
        print(f'{exe}: {error}')
        return 1
    summary = ', '.join([check_header(pe, arch), check_imports(pe), check_version(pe, ids),
                         check_icons(pe), check_manifest(pe, arch, ids)])
    for problem in problems:
        print(f'  {exe} ({arch}): {problem}')
    print(f'Lumaro.exe {arch}: {summary}')
    return 1 if problems else 0


if __name__ == '__main__':
    if len(sys.argv) != 4 or sys.argv[3] not in ARCHITECTURES:
        sys.exit(__doc__)
    sys.exit(main(*sys.argv[1:]))
