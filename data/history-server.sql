-- The change history on a PostgreSQL server: what the program's connections to an account
-- file do with triggers of their own. Run after the table t_ChangeHistory is created; the
-- program then adds one trigger per recorded table:
--   CREATE TRIGGER orvan_history AFTER INSERT OR UPDATE OR DELETE ON "<table>"
--   FOR EACH ROW EXECUTE FUNCTION orvan_record_change('<key column>', ...);
-- and one per bill-template table, executing orvan_count_rewrite().
-- Who and what makes a change comes from the transaction's setting orvan.actor: user id,
-- user name, machine and action, separated by U+001F.

-- A value as the history writes it: text as it is, yes/no as 1/0, numbers without
-- trailing zeros.
CREATE FUNCTION orvan_history_text(value jsonb) RETURNS text
LANGUAGE sql IMMUTABLE AS $$
    SELECT CASE jsonb_typeof(value)
        WHEN 'string' THEN value #>> '{}'
        WHEN 'boolean' THEN CASE WHEN value::boolean THEN '1' ELSE '0' END
        WHEN 'number' THEN trim_scale((value #>> '{}')::numeric)::text
        ELSE NULL END
$$;

-- One history row per value a change touches: an update each field whose value changed
-- (case counts), an insert each field it fills, a delete each field the record held. The
-- trigger's arguments are the columns that name a record.
CREATE FUNCTION orvan_record_change() RETURNS trigger
LANGUAGE plpgsql AS $$
DECLARE
    actor text[] := string_to_array(coalesce(current_setting('orvan.actor', true), ''), E'\x1f');
    old_row jsonb := CASE WHEN TG_OP <> 'INSERT' THEN to_jsonb(OLD) END;
    new_row jsonb := CASE WHEN TG_OP <> 'DELETE' THEN to_jsonb(NEW) END;
    named jsonb := coalesce(new_row, old_row);
    record_key text;
    field text;
    old_value text;
    new_value text;
BEGIN
    SELECT string_agg(orvan_history_text(named -> key), '.' ORDER BY position)
        INTO record_key FROM unnest(TG_ARGV) WITH ORDINALITY AS k(key, position);
    FOR field IN SELECT attname FROM pg_attribute
                 WHERE attrelid = TG_RELID AND attnum > 0 AND NOT attisdropped
                 ORDER BY attnum LOOP
        old_value := orvan_history_text(old_row -> field);
        new_value := orvan_history_text(new_row -> field);
        IF TG_OP = 'UPDATE' THEN
            CONTINUE WHEN old_value IS NOT DISTINCT FROM new_value;
        ELSIF field = ANY (TG_ARGV) OR coalesce(old_value, new_value) IS NULL THEN
            CONTINUE;
        END IF;
        INSERT INTO "t_ChangeHistory" ("FTime", "FUserID", "FUserName", "FMachine", "FTable",
                                       "FRecord", "FField", "FOldValue", "FNewValue", "FAction")
        VALUES (to_char(now() AT TIME ZONE 'UTC', 'YYYY-MM-DD HH24:MI:SS'),
                CASE WHEN actor[1] ~ '^-?[0-9]+$' THEN actor[1]::bigint END,
                actor[2], actor[3], TG_TABLE_NAME, record_key, field, old_value, new_value,
                actor[4]);
    END LOOP;
    RETURN NULL;
END $$;

-- Counts the rows of the bill-template tables a transaction changes (orvan.rewritten);
-- the program writes them as one summary row per rewrite.
CREATE FUNCTION orvan_count_rewrite() RETURNS trigger
LANGUAGE plpgsql AS $$
BEGIN
    PERFORM set_config('orvan.rewritten',
        (coalesce(nullif(current_setting('orvan.rewritten', true), ''), '0')::bigint + 1)::text,
        true);
    RETURN NULL;
END $$;

-- History rows are never changed, and removed only by the prune (orvan.pruning = 1).
CREATE FUNCTION orvan_keep_history() RETURNS trigger
LANGUAGE plpgsql AS $$
BEGIN
    IF TG_OP = 'DELETE' AND current_setting('orvan.pruning', true) = '1' THEN
        RETURN OLD;
    END IF;
    IF TG_OP = 'DELETE' THEN
        RAISE EXCEPTION 'history rows are removed only by history prune';
    END IF;
    RAISE EXCEPTION 'history rows cannot be changed';
END $$;
CREATE TRIGGER orvan_history_kept BEFORE UPDATE OR DELETE ON "t_ChangeHistory"
FOR EACH ROW EXECUTE FUNCTION orvan_keep_history();
