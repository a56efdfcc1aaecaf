-- The dissector's logic. SCTL above holds the protocol's numbers, its fields
-- and its result codes, written from the program's tables; nothing here names
-- a field.

local sctl = Proto("sctl", "SCTL")
sctl.prefs.password = Pref.string("Password", "",
    "The device's current password: configuration requests are decrypted with it")

local own = {
    sequence = ProtoField.uint16("sctl.sequence", "Sequence", base.DEC),
    command = ProtoField.uint16("sctl.command", "Command", base.DEC, SCTL.commands),
    mac = ProtoField.ether("sctl.mac", "MAC"),
    length = ProtoField.uint16("sctl.length", "Length", base.DEC),
    value = ProtoField.bytes("sctl.value", "Value"),
    encrypted = ProtoField.bytes("sctl.encrypted", "Encrypted payload"),
    fill = ProtoField.bytes("sctl.fill", "Fill"),
}

local function new_expert(name, text, group, severity)
    return ProtoExpert.new("sctl.expert." .. name, text, group, severity or expert.severity.ERROR)
end
local experts = {
    short = new_expert("short", "Shorter than the SCTL header", expert.group.MALFORMED),
    marker = new_expert("marker", "Does not begin with SCTL", expert.group.MALFORMED),
    length = new_expert("length", "Length field disagrees with the datagram",
        expert.group.MALFORMED),
    truncated = new_expert("truncated", "Field runs past the end", expert.group.MALFORMED),
    field_length = new_expert("field_length", "Field length wrong for its kind",
        expert.group.MALFORMED),
    unknown_tag = new_expert("unknown_tag", "Unknown tag", expert.group.UNDECODED,
        expert.severity.WARN),
    fill = new_expert("fill", "Fill is not zero", expert.group.MALFORMED),
    blocks = new_expert("blocks", "Encrypted payload is not whole blocks",
        expert.group.MALFORMED),
    password = new_expert("password", "Does not decrypt to a field list under the password",
        expert.group.DECRYPTION),
}

-- Latin-1 bytes up to the first zero, as the program reads a text field.
local function text_of(range)
    return range:string(ENC_ISO_8859_1):match("^[^%z]*")
end

-- Each kind of field: how it is declared, and the text shown where the window
-- formats the value itself.
local kinds = {
    address = { declare = ProtoField.ipv4 },
    number16 = { declare = function(a, l) return ProtoField.uint16(a, l, base.DEC) end },
    switch16 = {
        declare = function(a, l) return ProtoField.bool(a, l, base.NONE, { "On", "Off" }) end,
    },
    -- The one signed byte is the result code, shown by its name.
    signed_byte = {
        declare = function(a, l) return ProtoField.int8(a, l, base.DEC, SCTL.results) end,
    },
    word32 = { declare = function(a, l) return ProtoField.uint32(a, l, base.DEC_HEX) end },
    bus = { declare = function(a, l) return ProtoField.uint32(a, l, base.DEC) end },
    text = { declare = ProtoField.string, shown = text_of, up_to_size = true },
    bytes = { declare = ProtoField.bytes },
    version = {
        declare = ProtoField.string,
        shown = function(range)
            return string.format("v %d.%02d", range(0, 1):uint(), range(1, 1):uint())
        end,
    },
    confirmation = {
        declare = function(a, l)
            return ProtoField.uint32(a, l, base.HEX, { [SCTL.confirmation] = "Confirmed" })
        end,
    },
}

-- One declared field per name: a bus's three tags share theirs.
local by_tag, declared = {}, {}
local fields = {}
for _, v in pairs(own) do fields[#fields + 1] = v end
for _, field in ipairs(SCTL.fields) do
    if not declared[field.name] then
        declared[field.name] = kinds[field.kind].declare("sctl." .. field.name, field.label)
        fields[#fields + 1] = declared[field.name]
    end
    by_tag[field.tag] = { declared = declared[field.name], field = field, kind = kinds[field.kind] }
end
sctl.fields = fields
local expert_list = {}
for _, v in pairs(experts) do expert_list[#expert_list + 1] = v end
sctl.experts = expert_list

local function add_fill(range, tree)
    local item = tree:add(own.fill, range)
    local bytes = range:bytes()
    for i = 0, bytes:len() - 1 do
        if bytes:get_index(i) ~= 0 then
            item:add_proto_expert_info(experts.fill)
            return
        end
    end
end

local function add_field(tree, tag, range, length)
    local entry = by_tag[tag]
    -- An empty value is shown over its tag and length.
    local value = length > 0 and range(2, length) or range(0, 2)
    if not entry then
        tree:add(own.value, value):set_text(string.format("Tag %d, %d bytes", tag, length))
            :add_proto_expert_info(experts.unknown_tag, "Unknown tag " .. tag)
        return
    end
    local field, kind = entry.field, entry.kind
    if length ~= field.size and not (kind.up_to_size and length < field.size) then
        tree:add(own.value, value)
            :set_text(string.format("%s, %d bytes", field.label, length))
            :add_proto_expert_info(experts.field_length, string.format(
                "%s is %d bytes long, its kind takes %s%d", field.label, length,
                kind.up_to_size and "at most " or "", field.size))
    elseif kind.shown then
        tree:add(entry.declared, value, length > 0 and kind.shown(value) or "")
    else
        tree:add(entry.declared, value)
    end
end

-- Tag, length, value until the end or the zero fill; a fault is flagged where
-- it is and the fields that can still be read are shown.
local function add_fields(tvb, tree)
    local size, pos = tvb:len(), 0
    while pos < size do
        local tag = tvb(pos, 1):uint()
        if tag == SCTL.fill_tag then
            add_fill(tvb(pos), tree)
            return
        end
        local length = pos + 2 <= size and tvb(pos + 1, 1):uint() or nil
        if not length or pos + 2 + length > size then
            tree:add(own.value, tvb(pos)):add_proto_expert_info(experts.truncated, length
                and string.format("Tag %d claims %d bytes, %d remain", tag, length, size - pos - 2)
                or string.format("Tag %d without its length", tag))
            return
        end
        add_field(tree, tag, tvb(pos, 2 + length), length)
        pos = pos + 2 + length
    end
end

-- The request cipher: 12-byte blocks, two 6-byte halves, 93 steps.
local band, bor, bxor = bit32.band, bit32.bor, bit32.bxor
local lshift, rshift = bit32.lshift, bit32.rshift
local KEY_STEPS = 46

-- t turned one bit right, u, w turned one bit left.
local function mix_triple(p, q, r)
    local t = bxor(band(q, r), p)
    local u = bxor(band(t, r), q)
    local w = bxor(bor(t, u), r)
    return band(bor(rshift(t, 1), lshift(t, 7)), 0xFF), u,
        band(bor(lshift(w, 1), rshift(w, 7)), 0xFF)
end

-- Both triples of (b + k) mixed.
local function mixed(b, k)
    local m = {}
    for i = 1, 4, 3 do
        m[i], m[i + 1], m[i + 2] = mix_triple((b[i] + k[i]) % 256, (b[i + 1] + k[i + 1]) % 256,
            (b[i + 2] + k[i + 2]) % 256)
    end
    return m
end

local function xor6(a, b)
    local x = {}
    for i = 1, 6 do x[i] = bxor(a[i], b[i]) end
    return x
end

local ZERO = { 0, 0, 0, 0, 0, 0 }

-- d xor the mixed s, with step added to its first byte, turned one byte forward.
local function key_step(d, s, step)
    local m = mixed({ (s[1] + step) % 256, s[2], s[3], s[4], s[5], s[6] }, ZERO)
    return xor6(d, { m[6], m[1], m[2], m[3], m[4], m[5] })
end

local function schedule(key)
    local k1 = { key[1], key[2], key[3], key[4], key[5], key[6] }
    local k2 = { key[7], key[8], key[9], key[10], key[11], key[12] }
    local keys = { k1 }
    for i = 1, KEY_STEPS - 1, 2 do
        k2 = key_step(k2, k1, i)
        keys[#keys + 1] = k2
        k1 = key_step(k1, k2, i + 1)
        keys[#keys + 1] = k1
    end
    for i = KEY_STEPS, 2, -2 do
        k1 = key_step(k1, k2, i)
        keys[#keys + 1] = k2
        k2 = key_step(k2, k1, i - 1)
        keys[#keys + 1] = k1
    end
    return keys
end

-- One decrypting step: a xor mix(b + k), turned one byte back.
local function step_back(a, b, k)
    local x = xor6(a, mixed(b, k))
    return { x[2], x[3], x[4], x[5], x[6], x[1] }
end

local function decrypt_block(block, keys)
    local left = { block[1], block[2], block[3], block[4], block[5], block[6] }
    local right = { block[7], block[8], block[9], block[10], block[11], block[12] }
    for n = 1, #keys - 1, 2 do
        right = step_back(right, left, keys[n])
        left = step_back(left, right, keys[n + 1])
    end
    right = step_back(right, left, keys[#keys])
    for i = 1, 6 do block[i], block[i + 6] = left[i], right[i] end
end

-- The password as the device stores it, Latin-1; other characters become "?".
local function latin1_bytes(text)
    local bytes = {}
    for char in text:gmatch("[%z\1-\127\192-\255][\128-\191]*") do
        local lead = char:byte(1)
        if lead < 0x80 then
            bytes[#bytes + 1] = lead
        elseif #char == 2 and lead >= 0xC2 and lead <= 0xC3 then
            bytes[#bytes + 1] = (lead % 32) * 64 + char:byte(2) % 64
        else
            bytes[#bytes + 1] = 63
        end
    end
    return bytes
end

local function checksum(bytes)
    local reg = 0x15
    for _, byte in ipairs(bytes) do
        reg = bxor(reg, byte)
        for _ = 1, 8 do
            local out = band(reg, 1)
            reg = rshift(reg, 1)
            if out == 1 then reg = bxor(reg, 0x8C) end
        end
    end
    return reg
end

-- Up to 11 bytes: zero-padded, then their checksum; longer: the first 12.
local function key_of(password)
    local bytes = latin1_bytes(password)
    local key = {}
    for i = 1, SCTL.block_size do key[i] = bytes[i] or 0 end
    if #bytes < SCTL.block_size then key[SCTL.block_size] = checksum(bytes) end
    return key
end

local cached_password, cached_keys
local function keys_of(password)
    if password ~= cached_password then
        cached_password, cached_keys = password, schedule(key_of(password))
    end
    return cached_keys
end

local function decrypt(bytes, keys)
    local plain = ByteArray.new()
    plain:set_size(bytes:len())
    for start = 0, bytes:len() - 1, SCTL.block_size do
        local block = {}
        for i = 1, SCTL.block_size do block[i] = bytes:get_index(start + i - 1) end
        decrypt_block(block, keys)
        for i = 1, SCTL.block_size do plain:set_index(start + i - 1, block[i]) end
    end
    return plain
end

-- What a device accepts after decrypting: the challenge first, fields that end
-- within the payload, then zeros only.
local function is_field_list(plain)
    local size, pos = plain:len(), 0
    if size == 0 or plain:get_index(0) ~= SCTL.challenge_tag then return false end
    while pos < size do
        if plain:get_index(pos) == SCTL.fill_tag then
            for i = pos + 1, size - 1 do
                if plain:get_index(i) ~= 0 then return false end
            end
            return true
        end
        if pos + 2 > size then return false end
        pos = pos + 2 + plain:get_index(pos + 1)
    end
    return pos == size
end

local function add_request(payload, tree)
    local item = tree:add(own.encrypted, payload())
    if payload:len() % SCTL.block_size ~= 0 then
        item:add_proto_expert_info(experts.blocks, string.format(
            "Encrypted payload of %d bytes is not whole %d-byte blocks", payload:len(),
            SCTL.block_size))
        return
    end
    local password = sctl.prefs.password
    if password == "" then
        item:append_text(" (the preference sctl.password decrypts it)")
        return
    end
    local plain = decrypt(payload():bytes(), keys_of(password))
    if not is_field_list(plain) then
        item:add_proto_expert_info(experts.password)
        return
    end
    local decrypted = plain:tvb("Decrypted request")
    add_fields(decrypted, tree:add(decrypted(), "Decrypted request"))
end

function sctl.dissector(tvb, pinfo, tree)
    pinfo.cols.protocol = "SCTL"
    local size = tvb:len()
    local root = tree:add(sctl, tvb())
    if size < SCTL.header_size then
        root:add_proto_expert_info(experts.short, string.format(
            "%d bytes, shorter than the %d-byte header", size, SCTL.header_size))
        return size
    end
    if tvb(0, 4):string() ~= "SCTL" then root:add_proto_expert_info(experts.marker) end
    local command = tvb(6, 2):uint()
    pinfo.cols.info = string.format("%s, sequence %d",
        SCTL.commands[command] or ("Command " .. command), tvb(4, 2):uint())
    root:add(own.sequence, tvb(4, 2))
    root:add(own.command, tvb(6, 2))
    root:add(own.mac, tvb(8, 6))
    local length = tvb(14, 2):uint()
    local held = size - SCTL.header_size
    local length_item = root:add(own.length, tvb(14, 2))
    if length ~= held then
        length_item:add_proto_expert_info(experts.length, string.format(
            "Length field says %d bytes, the datagram holds %d", length, held))
    end
    if held == 0 then return size end
    local payload = tvb(SCTL.header_size):tvb()
    if command == SCTL.configure_request then
        add_request(payload, root)
    else
        add_fields(payload, root)
    end
    return size
end

local udp_port = DissectorTable.get("udp.port")
for _, port in ipairs(SCTL.ports) do udp_port:add(port, sctl) end
