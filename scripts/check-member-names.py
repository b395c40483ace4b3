#!/usr/bin/env python3
# Checks the house rule for member names: every private or protected data member ends in an
# underscore (state_), except the names the game's design fixes: the game's counters, and a
# form's components, which carry their capitalised form names (PopupMenu1, Game_Pause_MItem).
# Usage: check-member-names.py SOURCE_DIR FOLDER... [--except FILE...]; prints each
# offending member as file:line: name and fails when there is one.
import pathlib
import re
import sys

COUNTERS = {'score', 'phase', 'recordScore', 'recordPhase', 'paddleQuota', 'sweeperQuota'}


def Follows(name):
    return name.endswith('_') or name in COUNTERS or name[0].isupper()


def clean(line, state):
    # Drops comments and the insides of string and character literals.
    out, i = '', 0
    while i < len(line):
        if state['block']:
            end = line.find('*/', i)
            if end < 0:
                return out
            state['block'], i = False, end + 2
            continue
        c = line[i]
        if line.startswith('//', i):
            break
        if line.startswith('/*', i):
            state['block'], i = True, i + 2
            continue
        if c in '"\'':
            j = i + 1
            while j < len(line) and line[j] != c:
                j += 2 if line[j] == '\\' else 1
            out, i = out + c + c, j + 1
            continue
        out, i = out + c, i + 1
    return out

def without_templates(text):
    while True:
        stripped = re.sub(r'<[^<>]*>', '', text)
        if stripped == text:
            return text
        text = stripped

def private_members(path):
    state = {'block': False}
    depth, scopes, statement = 0, [], ''
    for number, raw in enumerate(path.read_text().splitlines(), 1):
        line = clean(raw, state).strip()
        if not line:
            continue
        head = re.match(r'(?:template\s*<.*>\s*)?(class|struct)\s+\w+[^;]*\{', line)
        for access in re.findall(r'^(public|protected|private)\b[^:]*:$', line):
            if scopes and scopes[-1][1] == depth:
                scopes[-1][0] = access
        at_body = scopes and scopes[-1][1] == depth and not head
        if at_body and not re.match(r'^(public|protected|private|signals)\b.*:$', line):
            statement += ' ' + line
            if line.endswith(';') and line.count('{') == line.count('}'):
                yield scopes[-1][0], statement.strip(), number
                statement = ''
            elif line.endswith(('{', '}')):
                statement = ''
        depth += line.count('{') - line.count('}')
        if head:
            scopes.append(['private' if head.group(1) == 'class' else 'public', depth])
            statement = ''
        while scopes and depth < scopes[-1][1]:
            scopes.pop()

def offenders(path):
    for access, statement, number in private_members(path):
        if access == 'public':
            continue
        text = without_templates(statement)
        if re.match(r'(using|friend|typedef|enum|static\s+(constexpr|const)|Q_\w+)\b', text):
            continue
        text = re.sub(r'\s*(=.*|\{.*\})?;$', '', text)
        if '(' in text or 'operator' in text:
            continue
        name = re.search(r'(\w+)(\s*\[[^\]]*\])*$', text)
        if name and not Follows(name.group(1)):
            yield number, name.group(1)


def main(argv):
    folders, excepted = argv[2:], []
    if '--except' in folders:
        at = folders.index('--except')
        folders, excepted = folders[:at], folders[at + 1:]
    root = pathlib.Path(argv[1])
    found = 0
    for folder in folders:
        for path in sorted((root / folder).glob('*.[ch]*')):
            if path.relative_to(root).as_posix() in excepted:
                continue
            for number, name in offenders(path):
                print(f'{path.relative_to(root)}:{number}: {name} should end in an underscore')
                found += 1
    return 1 if found else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
