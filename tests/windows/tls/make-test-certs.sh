#!/bin/sh
# SPDX-FileCopyrightText: 2026 Orvel Games
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the certificates of the download tests' local HTTPS server: a test CA
# that only those tests trust, and a server certificate for 127.0.0.1 and
# localhost signed by it. Both are valid for 100 years, so the tests never
# expire. The keys are test data, worthless outside the tests.
#   sh tests/windows/tls/make-test-certs.sh     (writes beside this script)
set -eu
cd "$(dirname "$0")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

openssl req -x509 -newkey rsa:2048 -nodes -sha256 -days 36500 \
  -subj "/O=Kuvo tests/CN=Kuvo Test CA" \
  -addext "basicConstraints=critical,CA:TRUE" \
  -addext "keyUsage=critical,keyCertSign,cRLSign" \
  -keyout "$work/ca.key" -out test-ca.pem

openssl req -newkey rsa:2048 -nodes -sha256 \
  -subj "/O=Kuvo tests/CN=127.0.0.1" \
  -keyout server.key -out "$work/server.csr"
cat > "$work/server.ext" <<'EXT'
basicConstraints=critical,CA:FALSE
keyUsage=critical,digitalSignature,keyEncipherment
extendedKeyUsage=serverAuth
subjectAltName=IP:127.0.0.1,DNS:localhost
EXT
openssl x509 -req -sha256 -days 36500 -in "$work/server.csr" \
  -CA test-ca.pem -CAkey "$work/ca.key" -CAcreateserial -CAserial "$work/ca.srl" \
  -extfile "$work/server.ext" -out server.pem
