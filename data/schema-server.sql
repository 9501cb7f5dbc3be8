-- What the account database needs on a PostgreSQL server before the tables of
-- schema.sql, and what schema.sql says in the embedded engine's own words (its trigger).
-- The program creates the tables from schema.sql, translated: text columns become citext
-- (compared without regard to case, LIKE included), REAL becomes numeric (exact), BIT
-- becomes orvan_bit and DATETIME orvan_datetime. Trailing blanks count in an equality on
-- the server ('a ' <> 'a'), where the embedded engine ignores them; LIKE counts them on
-- both. The editors trim what they store, so the difference shows only for values other
-- programs wrote.

CREATE EXTENSION IF NOT EXISTS citext;

-- Yes/no columns: read back as Booleans.
CREATE DOMAIN orvan_bit AS smallint;
-- Dates as 'YYYY-MM-DD' or 'YYYY-MM-DD HH:MM:SS' text, compared as text.
CREATE DOMAIN orvan_datetime AS text;

-- convert(int, x): fails on text that is not a whole number.
CREATE FUNCTION to_int_strict(value text) RETURNS bigint
LANGUAGE plpgsql IMMUTABLE STRICT AS $$
BEGIN
    IF btrim(value, E' \t\r\n') !~ '^[+-]?[0-9]+$' THEN
        RAISE EXCEPTION 'Conversion failed when converting the value ''%'' to data type int.',
            value USING ERRCODE = '22018';
    END IF;
    RETURN btrim(value, E' \t\r\n')::bigint;
END $$;
CREATE FUNCTION to_int_strict(value numeric) RETURNS bigint
LANGUAGE sql IMMUTABLE STRICT AS $$ SELECT trunc(value)::bigint $$;
CREATE FUNCTION to_int_strict(value double precision) RETURNS bigint
LANGUAGE sql IMMUTABLE STRICT AS $$ SELECT trunc(value)::bigint $$;

-- convert(decimal, x): fails on text that is not a number.
CREATE FUNCTION to_real_strict(value text) RETURNS numeric
LANGUAGE plpgsql IMMUTABLE STRICT AS $$
BEGIN
    IF btrim(value, E' \t\r\n') !~ '^[+-]?([0-9]+[.]?[0-9]*|[.][0-9]+)([eE][+-]?[0-9]+)?$' THEN
        RAISE EXCEPTION 'Conversion failed when converting the value ''%'' to data type float.',
            value USING ERRCODE = '22018';
    END IF;
    RETURN btrim(value, E' \t\r\n')::numeric;
END $$;
CREATE FUNCTION to_real_strict(value numeric) RETURNS numeric
LANGUAGE sql IMMUTABLE STRICT AS $$ SELECT value $$;
CREATE FUNCTION to_real_strict(value double precision) RETURNS numeric
LANGUAGE sql IMMUTABLE STRICT AS $$ SELECT value::numeric $$;

-- len(x): length without trailing blanks.
CREATE FUNCTION len(value text) RETURNS integer
LANGUAGE sql IMMUTABLE STRICT AS $$ SELECT length(rtrim(value, ' ')) $$;

-- getdate(): the local date and time, as the embedded engine writes it.
CREATE FUNCTION getdate() RETURNS text
LANGUAGE sql STABLE AS $$ SELECT to_char(localtimestamp, 'YYYY-MM-DD HH24:MI:SS') $$;

-- A key column declared INTEGER PRIMARY KEY and left out of an INSERT takes the largest
-- key plus one, as on the embedded engine. The column is the trigger's argument.
CREATE FUNCTION orvan_next_key() RETURNS trigger
LANGUAGE plpgsql AS $$
DECLARE
    next_key bigint;
BEGIN
    IF to_jsonb(NEW) -> TG_ARGV[0] = 'null'::jsonb THEN
        EXECUTE format('SELECT COALESCE(MAX(%I), 0) + 1 FROM %I.%I', TG_ARGV[0],
                       TG_TABLE_SCHEMA, TG_TABLE_NAME) INTO next_key;
        NEW := jsonb_populate_record(NEW, jsonb_build_object(TG_ARGV[0], next_key));
    END IF;
    RETURN NEW;
END $$;

-- Every change of a table is announced to the connections listening, which keep what
-- they read until the account changes.
CREATE FUNCTION orvan_announce_change() RETURNS trigger
LANGUAGE plpgsql AS $$
BEGIN
    NOTIFY orvan_changed;
    RETURN NULL;
END $$;

-- "UPDATE ICClassType SET FID=FID" marks a class as changed so that bill screens reload it
-- (created after the tables).
CREATE FUNCTION orvan_mark_class_type_changed() RETURNS trigger
LANGUAGE plpgsql AS $$
BEGIN
    NEW."FVersion" := NEW."FVersion" + 1;
    NEW."FModifyTime" := to_char(localtimestamp, 'YYYY-MM-DD HH24:MI:SS');
    RETURN NEW;
END $$;
--@after-tables
CREATE TRIGGER "tr_ICClassType_MarkChanged" BEFORE UPDATE OF "FID" ON "ICClassType"
    FOR EACH ROW EXECUTE FUNCTION orvan_mark_class_type_changed();
